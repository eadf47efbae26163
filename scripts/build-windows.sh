#!/bin/sh
# Cross-builds build-windows/bin/pixtallo.exe and pixtallo-quote.exe (self-contained, static
# runtime) and the Windows test programs. Needs Debian's g++-mingw-w64-x86-64.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DPIXTALLO_BUILD_BENCH=OFF
cmake --build build-windows -j"$(nproc)"
for program in pixtallo pixtallo-quote; do
    size=$(stat -c %s "build-windows/bin/$program.exe")
    if [ "$size" -gt 2097152 ]; then
        echo "build-windows/bin/$program.exe is $size bytes, over 2 MB" >&2
        exit 1
    fi
    # Only Windows' own DLLs may be imported.
    if x86_64-w64-mingw32-objdump -p "build-windows/bin/$program.exe" | grep 'DLL Name' |
        grep -viE 'kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|msvcrt' ; then
        echo "build-windows/bin/$program.exe imports a DLL that is not Windows' own" >&2
        exit 1
    fi
done
