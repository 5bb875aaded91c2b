# Sourced by the tests' Wine wrapper and scripts: sets and exports WINEPREFIX,
# the prefix a test runs in. ./test exports the build's own; outside it, the
# one of the build folder the test runs in is used. In a run with CTest's
# resource file (tests/CMakeLists.txt) each worker has a prefix of its own:
# the folder beside that one named by the slot CTest gives the test
# (CTEST_RESOURCE_GROUP_0_WINEPREFIX="id:<folder>,slots:1").
if [ -z "${WINEPREFIX:-}" ]; then
    folder=$PWD
    while [ "$folder" != / ] && [ ! -f "$folder/CMakeCache.txt" ]; do
        folder=$(dirname "$folder")
    done
    WINEPREFIX=$folder/wineprefix
fi
case "${CTEST_RESOURCE_GROUP_0_WINEPREFIX:-}" in
id:*)
    slot=${CTEST_RESOURCE_GROUP_0_WINEPREFIX#id:}
    WINEPREFIX=$(dirname "$WINEPREFIX")/${slot%%,*}
    ;;
esac
export WINEPREFIX
