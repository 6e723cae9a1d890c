#!/usr/bin/env bash
# Draws the sample reference pictures into packages/pictures/ with
# ImageMagick and the DejaVu fonts (Debian: imagemagick, fonts-dejavu-core):
#
#   LANDS.QXR     a schematic map of the Bible lands   BMP3, 8-bit palette
#   TIMELINE.QXR  a timeline of Bible history          BMP2, 4-bit palette
#   TABERNAC.QXR  a plan of the tabernacle and court   BMP3, 4-bit palette
#
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
    -draw "circle $x,$y $((x + 4)),$y" -stroke none -fill "$ink" \
    -annotate "+$((x + dx))+$((y + 5))" "$text"
}

# The map: 220 pixels to a degree, x from 34.2 E, y from 33.4 N, so about
# two pixels to a kilometre.
lands() {
  local coast='224,0 220,29 191,106 178,118 167,125 152,198 121,297 77,381 55,418 9,464 0,471'
  local jordan='312,22 309,50 307,80 306,108'
  local lower='302,150 306,175 299,200 305,228 298,255 303,282 296,310 300,335 297,362'
  local args=()
  mapfile -t -O 0 args < <(
    place 227 356 -78 Jerusalem
    place 220 376 -80 Bethlehem
    place 242 154 -70 Nazareth
    place 297 110 -82 Capernaum
    place 273 337 -58 Jericho
  )
  "$convert" -size 396x528 xc:'#efe4c4' -font "$sans" -pointsize 13 \
    -fill '#9cc9e8' -stroke '#2a5a8a' -strokewidth 2 -draw "polygon 0,0 $coast" \
    -fill none -stroke '#3a7cc0' -strokewidth 3 -draw "polyline $jordan" -draw "polyline $lower" \
    -fill '#6aa6dc' -stroke '#2a5a8a' -strokewidth 1 \
    -draw 'ellipse 306,129 11,21 0,360' -draw 'ellipse 290,412 15,52 0,360' \
    -stroke none -fill '#2a5a8a' -font "$serif" -pointsize 16 \
    -annotate 290x290+70+330 'Mediterranean Sea' -pointsize 12 \
    -annotate +322+126 'Sea of' -annotate +322+140 'Galilee' \
    -annotate +310+416 'Dead' -annotate +310+430 'Sea' \
    -annotate 80x80+312+220 'Jordan River' \
    -fill '#9a8a66' -font "$bold" -pointsize 14 \
    -annotate +236+190 'GALILEE' -annotate +200+262 'SAMARIA' -annotate +150+430 'JUDEA' \
    -font "$sans" -pointsize 13 "${args[@]}" \
    -fill "$ink" -stroke "$ink" -strokewidth 2 -draw 'line 300,500 340,500' \
    -draw 'line 300,495 300,505' -draw 'line 340,495 340,505' -stroke none \
    -pointsize 11 -annotate +349+504 '20 km' \
    -draw 'polygon 370,20 362,42 370,36 378,42' -annotate +366+56 'N' \
    -font "$bold" -pointsize 17 -annotate +16+516 'Lands of the Bible' \
    +dither -colors 64 -type Palette -compress none "BMP3:$out/LANDS.QXR"
}

# The timeline: 2100 BC to AD 100 over x 40..560. Years BC are negative.
year_x() { echo $((40 + ($1 + 2100) * 520 / 2200)); }

# An event: a marker on the bar, a stem and two centred lines of text above
# (side "up") or below ("down"); "upright"/"downright" end the text at the
# picture's right margin instead.
event() {
  local year=$1 side=$2 name=$3 date=$4 x top bottom nameY gravity=North offset
  x=$(year_x "$year")
  case $side in
  up*) top=100 bottom=128 nameY=72 ;;
  *) top=140 bottom=166 nameY=170 ;;
  esac
  case $side in
  *right) gravity=NorthEast offset=10 ;;
  *) offset=$((x - 300)) ;;
  esac
  printf '%s\n' -stroke "$ink" -strokewidth 1 -draw "line $x,$top $x,$bottom" \
    -fill "$ink" -draw "circle $x,134 $((x + 3)),134" -stroke none \
    -gravity "$gravity" -font "$bold" -annotate "$(printf '%+d%+d' "$offset" "$nameY")" "$name" \
    -font "$sans" -annotate "$(printf '%+d%+d' "$offset" $((nameY + 14)))" "$date" \
    -gravity NorthWest
}

# An era: its stretch of the bar and its swatch in the legend.
era() {
  local from=$1 to=$2 colour=$3 name=$4 legendX=$5 legendY=$6
  printf '%s\n' -fill "$colour" -stroke none \
    -draw "rectangle $(year_x "$from"),128 $(year_x "$to"),140" \
    -draw "rectangle $legendX,$((legendY - 10)) $((legendX + 12)),$legendY" \
    -fill "$ink" -annotate "+$((legendX + 18))+$legendY" "$name"
}

timeline() {
  local args=() year x
  mapfile -t args < <(
    era -2100 -1800 '#e0a458' 'Patriarchs' 40 266
    era -1800 -1446 '#c9c27a' 'Israel in Egypt' 220 266
    era -1446 -1050 '#8fbf7f' 'Wilderness and judges' 400 266
    era -1050 -586 '#6f9fd0' 'Kings of Israel and Judah' 40 286
    era -586 -538 '#a07cc0' 'Exile in Babylon' 220 286
    era -538 100 '#d07f7f' 'Second Temple' 400 286
    for year in -2000 -1500 -1000 -500 0; do
      x=$(year_x "$year")
      printf '%s\n' -stroke "$ink" -draw "line $x,214 $x,222" -stroke none \
        -gravity North -annotate "$(printf '%+d+226' $((x - 300)))" \
        "$([ "$year" -lt 0 ] && echo "$((-year)) BC" || echo 'AD 1')" -gravity NorthWest
    done
    event -2000 up 'Abraham' 'c. 2000 BC'
    event -1446 down 'Exodus' 'c. 1446 BC'
    event -1000 up 'David' 'c. 1000 BC'
    event -586 down 'Exile' '586 BC'
    event -538 up 'Return' '538 BC'
    event -5 downright 'Birth of Jesus' 'c. 5 BC'
    event 51 upright "Paul's journeys" 'AD 46–57'
  )
  "$convert" -size 600x300 xc:white -font "$sans" -pointsize 11 \
    -fill '#dddddd' -draw 'rectangle 40,128 560,140' \
    -stroke "$ink" -strokewidth 1 -draw 'line 40,218 560,218' -stroke none \
    "${args[@]}" \
    -fill "$ink" -font "$bold" -pointsize 18 -annotate +20+32 'Bible History: a Timeline' \
    +dither -colors 16 -type Palette -compress none "BMP2:$out/TIMELINE.QXR"
}

# The tabernacle (Exodus 26-27): four pixels to a cubit, west on the left.
# The court is 100 x 50 cubits; the tent 30 x 10, its Most Holy Place a cube
# of 10; the gate in the middle of the east side is 20 cubits wide.
tabernacle() {
  # Its own 16 colours, so that the small laver and gate keep theirs; the
  # greys and the two mixtures carry the smoothed edges of text and lines.
  "$convert" xc:white xc:'#f3ead2' xc:'#7a6a4a' xc:'#3a5fb0' xc:"$ink" xc:'#e8d9a8' \
    xc:'#d9c27a' xc:'#c9a227' xc:'#a0522d' xc:'#6aa6dc' xc:'#555555' xc:'#8a8a8a' \
    xc:'#b5b5b5' xc:'#dcdcdc' xc:'#9a9480' xc:'#c8c0a8' +append "$work/tabernacle.png"
  "$convert" -size 480x340 xc:white -font "$sans" -pointsize 11 \
    -fill '#f3ead2' -stroke '#7a6a4a' -strokewidth 3 -draw 'rectangle 40,70 440,270' \
    -stroke '#3a5fb0' -strokewidth 5 -draw 'line 440,130 440,210' \
    -stroke "$ink" -strokewidth 2 -fill '#e8d9a8' -draw 'rectangle 80,150 200,190' \
    -fill '#d9c27a' -draw 'rectangle 80,150 120,190' \
    -strokewidth 1 -fill '#c9a227' -draw 'rectangle 93,164 107,176' \
    -fill '#a0522d' -draw 'rectangle 330,160 350,180' \
    -fill '#6aa6dc' -draw 'circle 270,170 279,170' \
    -draw 'line 100,150 100,118' -draw 'line 100,176 100,222' \
    -draw 'line 340,180 340,206' -draw 'line 270,179 270,206' -stroke none \
    -fill "$ink" -annotate +56+112 'Most Holy Place' -annotate +131+174 'Holy Place' \
    -annotate +66+236 'Ark of the covenant' -annotate +296+220 'Altar of' \
    -annotate +296+234 'burnt offering' -annotate +256+220 'Laver' \
    -annotate +50+88 'Court' -annotate 90x90+448+150 'Gate' \
    -annotate +440+60 'N' -draw 'polygon 443,22 436,44 443,38 450,44' \
    -stroke "$ink" -strokewidth 2 -draw 'line 40,300 80,300' \
    -draw 'line 40,295 40,305' -draw 'line 80,295 80,305' -stroke none \
    -annotate +88+304 '10 cubits' \
    -annotate +220+304 'Court 100 × 50 cubits, Exodus 27:9–18' \
    -font "$bold" -pointsize 18 -annotate +20+36 'The Tabernacle' \
    +dither -remap "$work/tabernacle.png" -type Palette -compress none "BMP3:$out/TABERNAC.QXR"
}

lands
timeline
tabernacle
