#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick and writes them into assets/:
#   banner.jpg   445x89 baseline colour JPEG (3 components), the top of the main window
#   Kelvora.ico  one 48x48 32-bit image with alpha, the program and tray icon
# The outputs are committed, so the build never needs ImageMagick; run this only to
# change the pictures.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
OUT="$ROOT/assets"
CJK=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
LATIN=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT

# Emblem, drawn at 192x192 and scaled down: a blue disc with a white rim and a
# white lightning bolt (one click, faster system). Bold enough to read at 16x16.
convert -size 192x192 gradient:'#4FA3FF'-'#0A47A8' \
    \( -size 192x192 xc:black -fill white -draw 'circle 96,96 96,8' \) \
    -alpha off -compose CopyOpacity -composite PNG32:"$TMP/disc.png"
convert "$TMP/disc.png" \
    -fill none -stroke white -strokewidth 10 -draw 'circle 96,96 96,14' \
    -stroke none -fill '#FFFFFF30' -draw 'ellipse 96,58 60,34 0,360' \
    -fill white -stroke '#0B3E8A40' -strokewidth 3 \
    -draw 'polygon 112,34 58,106 92,106 78,160 136,82 102,82 122,34' \
    PNG32:"$TMP/emblem.png"

# The icon: one 48x48 image, 32 bits per pixel with alpha.
convert "$TMP/emblem.png" -filter Lanczos -resize 48x48 PNG32:"$TMP/icon48.png"
convert "$TMP/icon48.png" "$OUT/Kelvora.ico"

# Banner background: a light blue-grey field (it meets the window face and carries
# the version and support labels on its right) with a slanted blue panel on the left.
W=445; H=89
convert -size ${W}x${H} gradient:'#F7FAFD'-'#DCE7F3' "$TMP/bg.png"
convert -size ${H}x${W} gradient:'#3A8EEB'-'#0A3C8C' -rotate 90 "$TMP/blue.png"
convert -size ${W}x${H} xc:black -fill white -draw 'polygon 0,0 322,0 272,89 0,89' "$TMP/mask.png"
convert "$TMP/bg.png" "$TMP/blue.png" "$TMP/mask.png" -composite \
    -fill none -stroke '#8CC0F5' -strokewidth 3 -draw 'line 328,0 278,89' \
    -stroke '#C5DCF3' -strokewidth 1 -draw 'line 338,0 288,89' \
    -stroke '#FFFFFF14' -strokewidth 10 -draw 'circle 250,100 250,52' \
    -stroke '#CBDAEA' -strokewidth 2 -draw 'circle 420,92 420,52' \
    -stroke '#D3E0EE' -strokewidth 1 -draw 'circle 420,92 420,36' \
    "$TMP/field.png"

convert "$TMP/emblem.png" -filter Lanczos -resize 60x60 "$TMP/emblem60.png"
convert "$TMP/emblem60.png" -background '#00183F' -shadow 50x3+1+2 "$TMP/shadow.png"

convert "$TMP/field.png" \
    "$TMP/shadow.png" -geometry +12+12 -composite \
    "$TMP/emblem60.png" -geometry +14+14 -composite \
    -font "$LATIN" -pointsize 31 -fill '#00214D60' -annotate +87+47 'Kelvora' \
    -fill white -annotate +86+45 'Kelvora' \
    -font "$CJK" -pointsize 12 -fill '#DCEBFF' -annotate +88+69 '一键清理残余进程，提升系统性能' \
    -fill '#FFFFFF' -draw 'rectangle 88,76 114,77' \
    "$TMP/banner.png"

convert "$TMP/banner.png" -background white -alpha remove -alpha off -colorspace sRGB -type TrueColor \
    -interlace none -sampling-factor 2x2 -quality 90 -strip "$OUT/banner.jpg"

# Check what the program relies on: size, baseline coding (SOF0), three components.
info="$(identify -verbose "$OUT/banner.jpg")"
grep -q 'Geometry: 445x89+0+0' <<<"$info" || { echo "banner: wrong size" >&2; exit 1; }
grep -q 'Interlace: None' <<<"$info" || { echo "banner: not baseline" >&2; exit 1; }
grep -q 'Colorspace: sRGB' <<<"$info" || { echo "banner: not colour" >&2; exit 1; }
# SOF0 with 8-bit samples, 89 rows, 445 columns and 3 components.
xxd -p "$OUT/banner.jpg" | tr -d '\n' | grep -q 'ffc0001108005901bd03' || { echo "banner: not baseline 3-component" >&2; exit 1; }
ident="$(identify -format '%w %h %[channels]\n' "$OUT/Kelvora.ico")"
[ "$ident" = "48 48 srgba" ] || { echo "icon: unexpected '$ident'" >&2; exit 1; }
echo "assets: banner.jpg $(stat -c %s "$OUT/banner.jpg") bytes, Kelvora.ico $(stat -c %s "$OUT/Kelvora.ico") bytes"
