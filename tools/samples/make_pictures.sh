#!/usr/bin/env bash
# Draws the sample reference pictures into packages/pictures/ with
# ImageMagick and the DejaVu fonts (Debian: imagemagick, fonts-dejavu-core):
#
#   LANDS.QXR     a schematic map of the Bible lands   325 x 325, BMP3, 8-bit palette
#   TIMELINE.QXR  a timeline of Bible history          325 x 325, BMP2, 4-bit palette
#   TABERNAC.QXR  a plan of the tabernacle and court   325 x 250, BMP3, 4-bit palette
#
# Each fits the 325 x 325 pixels the References dialog shows of a picture.
# The pictures are uncompressed palette BMPs (what the program reads), so the
# colours are kept few: 64 for the map, 16 for the others.
#
#   tools/samples/make_pictures.sh
#
# CONVERT names another ImageMagick convert; the default is Debian's own.
set -euo pipefail
cd "$(dirname "$0")/../.."

convert=${CONVERT:-/usr/bin/convert}
fonts=/usr/share/fonts/truetype/dejavu
sans=$fonts/DejaVuSans.ttf
bold=$fonts/DejaVuSans-Bold.ttf
serif=$fonts/DejaVuSerif.ttf
out=packages/pictures

for need in "$convert" "$sans" "$bold" "$serif"; do
  if [ ! -e "$need" ]; then
    echo "make_pictures.sh: $need is missing (apt-get install imagemagick fonts-dejavu-core)" >&2
    exit 1
  fi
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ink='#202020'

# A red dot with a label; $1 $2 the place, $3 the label's x offset, $4 the text.
place() {
  local x=$1 y=$2 dx=$3 text=$4
  printf '%s\n' -fill '#b02020' -stroke "$ink" -strokewidth 1 \
    -draw "circle $x,$y $((x + 3)),$y" -stroke none -fill "$ink" \
    -annotate "+$((x + dx))+$((y + 4))" "$text"
}

# The map: 154 pixels to a degree, x from 34.0 E, y from 33.4 N, so about
# 1.4 pixels to a kilometre; the title, the compass and the scale sit in the
# sea and the desert, so that the whole fits the 325 x 325 the dialog shows.
lands() {
  local coast='187,-9 184,11 164,65 155,74 147,78 136,130 115,199 84,258 68,284 36,316 30,321 24,326'
  local jordan='248,6 246,26 245,47 244,67'
  local lower='241,96 244,114 239,131 244,151 239,170 242,188 237,208 240,226 238,244'
  local args=()
  mapfile -t -O 0 args < <(
    place 189 240 -60 Jerusalem
    place 184 254 -62 Bethlehem
    place 199 99 -54 Nazareth
    place 238 68 -63 Capernaum
    place 221 227 -45 Jericho
  )
  "$convert" -size 325x325 xc:'#efe4c4' -font "$sans" -pointsize 10 \
    -fill '#9cc9e8' -stroke '#2a5a8a' -strokewidth 2 -draw "polygon -2,-9 $coast -2,326" \
    -fill none -stroke '#3a7cc0' -strokewidth 2 -draw "polyline $jordan" -draw "polyline $lower" \
    -fill '#6aa6dc' -stroke '#2a5a8a' -strokewidth 1 \
    -draw 'ellipse 244,81 8,15 0,360' -draw 'ellipse 233,279 10,36 0,360' \
    -stroke none -fill '#2a5a8a' -font "$serif" -pointsize 13 \
    -annotate 290x290+76+226 'Mediterranean Sea' -pointsize 10 \
    -annotate +255+79 'Sea of' -annotate +255+90 'Galilee' \
    -annotate +247+283 'Dead' -annotate +247+294 'Sea' \
    -annotate 80x80+250+142 'Jordan River' \
    -fill '#9a8a66' -font "$bold" -pointsize 11 \
    -annotate +178+126 'GALILEE' -annotate +168+176 'SAMARIA' -annotate +132+294 'JUDEA' \
    -font "$sans" -pointsize 10 "${args[@]}" \
    -fill "$ink" -stroke "$ink" -strokewidth 2 -draw 'line 256,316 284,316' \
    -draw 'line 256,312 256,320' -draw 'line 284,312 284,320' -stroke none \
    -pointsize 9 -annotate +262+310 '20 km' \
    -draw 'polygon 280,6 274,22 280,18 286,22' -pointsize 10 -annotate +276+34 'N' \
    -font "$bold" -pointsize 14 -annotate +8+22 'Lands of the Bible' \
    +dither -colors 64 -type Palette -compress none "BMP3:$out/LANDS.QXR"
}

# The timeline: 2100 BC to AD 100 over x 22..310. Years BC are negative.
year_x() { echo $((22 + ($1 + 2100) * 288 / 2200)); }

# An event: a marker on the bar, a stem and two centred lines of text above
# (side "up", or "upfar" a tier higher) or below ("down", "downfar"); a
# side ending in "right" ends the text at the picture's right margin instead.
event() {
  local year=$1 side=$2 name=$3 date=$4 x top bottom nameY gravity=North offset
  x=$(year_x "$year")
  case $side in
  upfar*) top=100 bottom=150 nameY=72 ;;
  up*) top=138 bottom=150 nameY=110 ;;
  downfar*) top=162 bottom=214 nameY=218 ;;
  *) top=162 bottom=178 nameY=182 ;;
  esac
  case $side in
  *right) gravity=NorthEast offset=10 ;;
  *) offset=$((x - 162)) ;;
  esac
  printf '%s\n' -stroke "$ink" -strokewidth 1 -draw "line $x,$top $x,$bottom" \
    -fill "$ink" -draw "circle $x,156 $((x + 3)),156" -stroke none \
    -gravity "$gravity" -font "$bold" -annotate "$(printf '%+d%+d' "$offset" "$nameY")" "$name" \
    -font "$sans" -annotate "$(printf '%+d%+d' "$offset" $((nameY + 13)))" "$date" \
    -gravity NorthWest
}

# An era: its stretch of the bar and its swatch in the legend.
era() {
  local from=$1 to=$2 colour=$3 name=$4 legendX=$5 legendY=$6
  printf '%s\n' -fill "$colour" -stroke none \
    -draw "rectangle $(year_x "$from"),150 $(year_x "$to"),162" \
    -draw "rectangle $legendX,$((legendY - 10)) $((legendX + 12)),$legendY" \
    -fill "$ink" -annotate "+$((legendX + 18))+$legendY" "$name"
}

timeline() {
  local args=() year x
  mapfile -t args < <(
    era -2100 -1800 '#e0a458' 'Patriarchs' 10 288
    era -1800 -1446 '#c9c27a' 'Israel in Egypt' 10 304
    era -1446 -1050 '#8fbf7f' 'Wilderness and judges' 10 320
    era -1050 -586 '#6f9fd0' 'Kings of Israel and Judah' 162 288
    era -586 -538 '#a07cc0' 'Exile in Babylon' 162 304
    era -538 100 '#d07f7f' 'Second Temple' 162 320
    for year in -2000 -1500 -1000 -500 0; do
      x=$(year_x "$year")
      printf '%s\n' -stroke "$ink" -draw "line $x,246 $x,254" -stroke none \
        -gravity North -annotate "$(printf '%+d+258' $((x - 162)))" \
        "$([ "$year" -lt 0 ] && echo "$((-year)) BC" || echo 'AD 1')" -gravity NorthWest
    done
    event -2000 up 'Abraham' 'c. 2000 BC'
    event -1446 down 'Exodus' 'c. 1446 BC'
    event -1000 up 'David' 'c. 1000 BC'
    event -586 down 'Exile' '586 BC'
    event -538 up 'Return' '538 BC'
    event -5 downfarright 'Birth of Jesus' 'c. 5 BC'
    event 51 upfarright "Paul's journeys" 'AD 46–57'
  )
  "$convert" -size 325x325 xc:white -font "$sans" -pointsize 10 \
    -fill '#dddddd' -draw 'rectangle 22,150 310,162' \
    -stroke "$ink" -strokewidth 1 -draw 'line 22,250 310,250' -stroke none \
    "${args[@]}" \
    -fill "$ink" -font "$bold" -pointsize 16 -annotate +10+30 'Bible History: a Timeline' \
    +dither -colors 16 -type Palette -compress none "BMP2:$out/TIMELINE.QXR"
}

# The tabernacle (Exodus 26-27): three pixels to a cubit, west on the left.
# The court is 100 x 50 cubits; the tent 30 x 10, its Most Holy Place a cube
# of 10; the gate in the middle of the east side is 20 cubits wide.
tabernacle() {
  # Its own 16 colours, so that the small laver and gate keep theirs; the
  # greys and the two mixtures carry the smoothed edges of text and lines.
  "$convert" xc:white xc:'#f3ead2' xc:'#7a6a4a' xc:'#3a5fb0' xc:"$ink" xc:'#e8d9a8' \
    xc:'#d9c27a' xc:'#c9a227' xc:'#a0522d' xc:'#6aa6dc' xc:'#555555' xc:'#8a8a8a' \
    xc:'#b5b5b5' xc:'#dcdcdc' xc:'#9a9480' xc:'#c8c0a8' +append "$work/tabernacle.png"
  "$convert" -size 325x250 xc:white -font "$sans" -pointsize 10 \
    -fill '#f3ead2' -stroke '#7a6a4a' -strokewidth 3 -draw 'rectangle 10,50 310,200' \
    -stroke '#3a5fb0' -strokewidth 4 -draw 'line 310,95 310,155' \
    -stroke "$ink" -strokewidth 2 -fill '#e8d9a8' -draw 'rectangle 40,110 130,140' \
    -fill '#d9c27a' -draw 'rectangle 40,110 70,140' \
    -strokewidth 1 -fill '#c9a227' -draw 'rectangle 50,120 60,130' \
    -fill '#a0522d' -draw 'rectangle 227,117 242,132' \
    -fill '#6aa6dc' -draw 'circle 182,125 189,125' \
    -draw 'line 55,110 55,88' -draw 'line 55,130 55,160' \
    -draw 'line 235,132 235,152' -draw 'line 182,132 182,152' -stroke none \
    -fill "$ink" -annotate +18+84 'Most Holy Place' -pointsize 9 -annotate +77+129 'Holy Place' -pointsize 10 \
    -annotate +18+172 'Ark of the covenant' -annotate +207+164 'Altar of' \
    -annotate +207+176 'burnt offering' -annotate +168+164 'Laver' \
    -annotate +16+64 'Court' -annotate 90x90+315+112 'Gate' \
    -annotate +298+44 'N' -draw 'polygon 302,8 296,26 302,22 308,26' \
    -stroke "$ink" -strokewidth 2 -draw 'line 10,222 40,222' \
    -draw 'line 10,218 10,226' -draw 'line 40,218 40,226' -stroke none \
    -annotate +48+226 '10 cubits' \
    -annotate +10+244 'Court 100 × 50 cubits, Exodus 27:9–18' \
    -font "$bold" -pointsize 16 -annotate +10+30 'The Tabernacle' \
    +dither -remap "$work/tabernacle.png" -type Palette -compress none "BMP3:$out/TABERNAC.QXR"
}

lands
timeline
tabernacle
