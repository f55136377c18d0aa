#!/bin/sh
# Prepares a Wine prefix and a locale for running the Windows build's tests under Wine.
# The ANSI code page follows the locale: zh_CN.UTF-8 gives code page 936 (GBK), C gives 1252.
# Needs WINEPREFIX and LOCPATH set; the locale is compiled into LOCPATH, so that it need not be
# installed on the machine.
set -eu
mkdir -p "$LOCPATH"
[ -d "$LOCPATH/zh_CN.UTF-8" ] || localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wine64 wineserver -w || true
fi
test -d "$WINEPREFIX/drive_c/windows/system32"
