#!/bin/bash
# Writes the fuzz seeds from the game's own data: a selection of models with their materials
# (the "mtllib" line renamed to the harness's "m.mtl", the MTL after the separator line), a few
# hand-written models in the forms the data does not use, and small crops of the two logos.
# Seeds kept from findings (regression-*) stay as they are. Run from anywhere; rewrites
# tests/fuzz/corpus_obj/seed-*, tests/fuzz/corpus_bmp/seed-* and tests/fuzz/corpus_save/seed-*.
set -euo pipefail
cd "$(dirname "$0")/../.."
OBJ=tests/fuzz/corpus_obj
BMP=tests/fuzz/corpus_bmp
mkdir -p "$OBJ" "$BMP"
rm -f "$OBJ"/seed-* "$BMP"/seed-*

ODDELOVAC=$'\n---- m.mtl ----\n'

# seed_z_modelu NAME PATH.obj: the model with the MTL its "mtllib" line names.
seed_z_modelu() {
    local mtl
    mtl="$(dirname "$2")/$(sed -n 's/^mtllib \(.*\)$/\1/p' "$2")"
    { sed 's/^mtllib .*/mtllib m.mtl/' "$2"; printf '%s' "$ODDELOVAC"; cat "$mtl"; } > "$OBJ/seed-$1"
}
for g in DOT T A 0 8 X slash; do seed_z_modelu "glyph-$g" "data/Fonts/$g.obj"; done
G=data/obj/graf_obj
seed_z_modelu marker-group "$G/Visual_Pointers/Vojenska_Skupina/vojenskaSkupinaMoja.obj"
seed_z_modelu marker-tower "$G/Visual_Pointers/Veza/vezaMoja.obj"
seed_z_modelu ground-winter "$G/podklad/trava_zima.obj"
seed_z_modelu archer "$G/people/Men/Soldiers/Archer/Archer.obj"
seed_z_modelu palisade "$G/buildings/obrana/palisada.obj"

# Forms of the subset our generator does not write: texture and normal indices, every material
# value, a model without materials, one without its MTL, faces before any material.
MTL_PLNE='# ours
# Material Count: 2

newmtl red
Ns 10
Ka 0 0 0
Kd 1 0 0
Ks 0.5 0.5 0.5
Ni 1
illum 2

newmtl blue
Kd 0 0 1
'
printf '%s' "# full form
mtllib m.mtl
o Body
v 0 0 0
v 1 0 0
v 0 2 0
v 0 0 -3
vt 0 0
vt 1 0
vn 0 1 0
usemtl red
s off
f 1/1/1 2/2/1 3/1/1
usemtl blue
g part
f 1/1/1 3/2/1 4/1/1
o Second
vn 0 0 1
f 1//1 2//1 4//1
o Third
vt 0.5 0.5
f 2/1 3/1 4/1
usemtl none
f 4 3 2 1
$ODDELOVAC$MTL_PLNE" > "$OBJ/seed-forms"
printf 'o Plain\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\nf +3 2 1\n' > "$OBJ/seed-no-materials"
printf 'mtllib m.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\nusemtl red\nf 1 2 3\n' \
    > "$OBJ/seed-missing-mtl"

# le N BYTES: N little-endian in BYTES bytes.
le() {
    local i s=""
    for ((i = 0; i < $2; i++)); do s+=$(printf '\\x%02x' $((($1 >> (8 * i)) & 255))); done
    printf "$s"
}
# seed_bmp NAME LOGO W H X0 Y0 SIZE: the W x H crop at (X0, Y0) of a 256 x 256 logo, with SIZE
# in the image-size field (0: left for the reader to compute).
seed_bmp() {
    local w=$3 h=$4 y row
    row=$(((w * 3 + 3) / 4 * 4))
    {
        printf 'BM'; le $((54 + row * h)) 4; le 0 4; le 54 4; le 40 4; le "$w" 4; le "$h" 4
        le 1 2; le 24 2; le 0 4; le "$7" 4; le 2835 4; le 2835 4; le 0 4; le 0 4
        for ((y = 0; y < h; y++)); do
            dd if="$2" iflag=skip_bytes,count_bytes skip=$((54 + ($6 + y) * 768 + $5 * 3)) \
                count=$((w * 3)) status=none
            head -c $((row - w * 3)) /dev/zero
        done
    } > "$BMP/seed-$1.bmp"
}
L=$G/logo/logo.bmp
O=$G/logo/Orvek.bmp
seed_bmp 1x1 "$L" 1 1 128 128 4
seed_bmp 2x2 "$L" 2 2 100 100 16
seed_bmp 3x2 "$O" 3 2 120 60 24
seed_bmp 4x4-no-size "$L" 4 4 60 200 0
seed_bmp 5x3 "$O" 5 3 128 128 48
seed_bmp 8x8 "$L" 8 8 124 124 192
seed_bmp 16x16-no-size "$O" 16 16 120 120 0
seed_bmp 32x24 "$L" 32 24 112 116 2304

# The loader of saved games: the committed save of the newest format whole (mode byte 0) and its
# unpacked sections (mode byte 1, packed again with right checksums by the harness).
SAVE=tests/fuzz/corpus_save
mkdir -p "$SAVE"
rm -f "$SAVE"/seed-*
NOVA=$(ls tests/ulozene_hry/verzia_*.hra | sort -V | tail -1)
{ printf '\0'; cat "$NOVA"; } > "$SAVE/seed-file"
{ printf '\1'; tail -c +49 "$NOVA" | python3 -c 'import sys, zlib; sys.stdout.buffer.write(zlib.decompress(sys.stdin.buffer.read()))'; } > "$SAVE/seed-sections"
