# Packs one bitmap of the artwork as the program reads it: the bitmap file,
# gzip-compressed at the highest level. CMake alone does it, on every host:
#   cmake -DIN=<bitmap> -DOUT=<packed file> -P pack-artwork.cmake
file(ARCHIVE_CREATE OUTPUT "${OUT}" PATHS "${IN}" FORMAT raw COMPRESSION GZip COMPRESSION_LEVEL 9)
