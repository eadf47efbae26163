#!/bin/sh
# Makes docs/window.png: the window under Xvfb with the worked example typed in and 按钮1
# clicked, the way a user would do it. Needs Debian's xvfb, xdotool and imagemagick.
# Usage: scripts/make-screenshot.sh [BUILD_DIR]
set -eu
build=${1:-build}
out=docs/window.png

display=:$((150 + $$ % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1
"$build/bin/pixtallo" 2>/dev/null &
app=$!
window=$(xdotool search --sync --name "Quillorn Pixtallo")
eval "$(xdotool getwindowgeometry --shell "$window")"

# Clicks at a point of the client area and types there.
type_at() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    xdotool type --delay 30 "$3"
}
type_at 247 134 5.2    # 长
type_at 400 134 2.1    # 高
type_at 247 178 1500   # 控制卡
type_at 400 176 75     # 电源单价
type_at 247 210 95     # 板单价
type_at 400 208 30     # 边框单价
type_at 400 256 500    # 其它费用
type_at 246 301 2800   # 报价
xdotool mousemove $((X + 531)) $((Y + 326)) click 1   # 按钮1 "P10 4090边框"
xdotool mousemove $((X + 880)) $((Y + 300))
sleep 0.5
mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "wrote $out"
