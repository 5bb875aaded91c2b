// Message maps: a class's table of (message, notification code, control id,
// handler) rows, chained to its base class's table. Each row's handler is a
// small thunk that unpacks wParam and lParam and calls a member function whose
// exact signature the macro checks at compile time.
#pragma once

#include <windows.h>

class CWnd;

// The 16-bit colour message number: one map row serves every WM_CTLCOLOR*.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// A parent's message offered back to the child it concerns.
#define WM_REFLECT_BASE 0xBC00

using AFX_PMSG_THUNK = LRESULT (*)(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;
    UINT nCode;  // WM_COMMAND notification code
    UINT nID;    // WM_COMMAND control id, the first of a range
    AFX_PMSG_THUNK pfnThunk;
    UINT nLastID = 0;  // the last id of a range; 0: nID alone
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const AFX_MSGMAP* GetThisMessageMap();        \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                   \
    {                                                                                 \
        using ThisClass = theClass;                                                   \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                    \
        {0, 0, 0, nullptr}};                                                 \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, \
                                              &entries[0]};                  \
        return &messageMap;                                                  \
    }

// The member function named, converted to exactly the handler type required.
#define AFX_HANDLER(type, memberFxn) static_cast<type>(&ThisClass::memberFxn)
#define AFX_THIS(pWnd) static_cast<ThisClass*>(pWnd)

#define AFX_POINT_FROM_LPARAM(l) \
    CPoint(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)))

#define ON_WM_PAINT()                                                            \
    {WM_PAINT, 0, 0, [](CWnd* p, UINT, WPARAM, LPARAM) -> LRESULT {               \
         (AFX_THIS(p)->*AFX_HANDLER(void (ThisClass::*)(), OnPaint))();           \
         return 0;                                                                \
     }},

#define ON_WM_QUERYDRAGICON()                                                    \
    {WM_QUERYDRAGICON, 0, 0, [](CWnd* p, UINT, WPARAM, LPARAM) -> LRESULT {       \
         return reinterpret_cast<LRESULT>(                                        \
             (AFX_THIS(p)->*AFX_HANDLER(HCURSOR (ThisClass::*)(), OnQueryDragIcon))()); \
     }},

#define ON_WM_SETCURSOR()                                                        \
    {WM_SETCURSOR, 0, 0, [](CWnd* p, UINT, WPARAM w, LPARAM l) -> LRESULT {       \
         CWnd temporary;                                                          \
         CWnd* pTarget = CWnd::FromHandle(reinterpret_cast<HWND>(w), temporary);   \
         return (AFX_THIS(p)->*AFX_HANDLER(BOOL (ThisClass::*)(CWnd*, UINT, UINT), \
                                          OnSetCursor))(pTarget, LOWORD(l), HIWORD(l)); \
     }},

#define ON_WM_ERASEBKGND()                                                       \
    {WM_ERASEBKGND, 0, 0, [](CWnd* p, UINT, WPARAM w, LPARAM) -> LRESULT {        \
         CDCHandle dc(reinterpret_cast<HDC>(w));                                        \
         return (AFX_THIS(p)->*AFX_HANDLER(BOOL (ThisClass::*)(CDCHandle*), OnEraseBkgnd))(&dc); \
     }},

#define ON_WM_LBUTTONDOWN()                                                      \
    {WM_LBUTTONDOWN, 0, 0, [](CWnd* p, UINT, WPARAM w, LPARAM l) -> LRESULT {     \
         (AFX_THIS(p)->*AFX_HANDLER(void (ThisClass::*)(UINT, CPoint), OnLButtonDown))( \
             static_cast<UINT>(w), AFX_POINT_FROM_LPARAM(l));                     \
         return 0;                                                                \
     }},

#define ON_WM_MOUSEMOVE()                                                        \
    {WM_MOUSEMOVE, 0, 0, [](CWnd* p, UINT, WPARAM w, LPARAM l) -> LRESULT {       \
         (AFX_THIS(p)->*AFX_HANDLER(void (ThisClass::*)(UINT, CPoint), OnMouseMove))( \
             static_cast<UINT>(w), AFX_POINT_FROM_LPARAM(l));                     \
         return 0;                                                                \
     }},

// Every WM_CTLCOLOR* message; pWnd is the control's object, or a temporary
// wrapper for a window the program has not bound.
#define ON_WM_CTLCOLOR()                                                         \
    {WM_CTLCOLOR, 0, 0, [](CWnd* p, UINT m, WPARAM w, LPARAM l) -> LRESULT {      \
         CDCHandle dc(reinterpret_cast<HDC>(w));                                        \
         CWnd temporary;                                                          \
         CWnd* pCtl = CWnd::FromHandle(reinterpret_cast<HWND>(l), temporary);      \
         return reinterpret_cast<LRESULT>(                                        \
             (AFX_THIS(p)->*AFX_HANDLER(HBRUSH (ThisClass::*)(CDCHandle*, CWnd*, UINT), OnCtlColor))( \
                 &dc, pCtl, m - WM_CTLCOLORMSGBOX));                              \
     }},

// The parent's WM_CTLCOLOR* for this control; returning null leaves the
// colours to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                 \
    {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, [](CWnd* p, UINT m, WPARAM w, LPARAM) -> LRESULT { \
         CDCHandle dc(reinterpret_cast<HDC>(w));                                        \
         return reinterpret_cast<LRESULT>(                                        \
             (AFX_THIS(p)->*AFX_HANDLER(HBRUSH (ThisClass::*)(CDCHandle*, UINT), CtlColor))( \
                 &dc, m - WM_CTLCOLORMSGBOX));                                    \
     }},

#define ON_MESSAGE(message, memberFxn)                                           \
    {message, 0, 0, [](CWnd* p, UINT, WPARAM w, LPARAM l) -> LRESULT {            \
         return (AFX_THIS(p)->*AFX_HANDLER(LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn))(w, l); \
     }},

#define ON_COMMAND_CODE(code, id, memberFxn)                                     \
    {WM_COMMAND, code, id, [](CWnd* p, UINT, WPARAM, LPARAM) -> LRESULT {         \
         (AFX_THIS(p)->*AFX_HANDLER(void (ThisClass::*)(), memberFxn))();         \
         return 0;                                                                \
     }},

#define ON_COMMAND(id, memberFxn) ON_COMMAND_CODE(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND_CODE(BN_CLICKED, id, memberFxn)
// Clicks on any control from id to lastId, given the control's id: buttons
// that a table describes share one row. Listed after the single ids it spans.
#define ON_BN_CLICKED_RANGE(id, lastId, memberFxn)                               \
    {WM_COMMAND, BN_CLICKED, id, [](CWnd* p, UINT, WPARAM w, LPARAM) -> LRESULT { \
         (AFX_THIS(p)->*AFX_HANDLER(void (ThisClass::*)(UINT), memberFxn))(LOWORD(w)); \
         return 0;                                                                \
     }, lastId},
// clang-format on
