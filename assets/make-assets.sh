#!/usr/bin/env bash
# Makes the picture and the icon group with ImageMagick. The results are
# committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
command -v convert >/dev/null && convert -version 2>/dev/null | grep -q ImageMagick ||
  apt-get install -y -q --no-install-recommends imagemagick fonts-wqy-microhei
font=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 288 x 146, baseline, three 8-bit components: a calm gradient with the name.
convert -size 288x146 gradient:'#2f6f8f'-'#9fd3c7' \
  \( -size 288x146 radial-gradient:'#ffffff40'-'#ffffff00' \) -compose over -composite \
  -font "$font" -fill '#ffffff' -pointsize 30 -gravity center -annotate +0-12 'ZEMU彩字生成器' \
  -fill '#e8f4f1' -pointsize 13 -annotate +0+26 'kvalue · where' \
  -type TrueColor -colorspace sRGB -sampling-factor 2x2 -interlace none -quality 90 -strip \
  jpg:picture.jpg

# The icon: a rounded square with 彩, at every size Windows asks for, 32 bpp.
convert -size 256x256 xc:none -fill '#2f6f8f' -draw 'roundrectangle 8,8 247,247 40,40' \
  -font "$font" -fill '#ffd166' -pointsize 170 -gravity center -annotate +0+0 '彩' \
  PNG32:"$tmp/icon.png"
for s in 256 128 48 32 24 16; do
  convert "$tmp/icon.png" -resize ${s}x${s} PNG32:"$tmp/icon-$s.png"
done
convert "$tmp"/icon-256.png "$tmp"/icon-128.png "$tmp"/icon-48.png "$tmp"/icon-32.png \
  "$tmp"/icon-24.png "$tmp"/icon-16.png DEFAULT_ICON.ico
identify picture.jpg DEFAULT_ICON.ico
