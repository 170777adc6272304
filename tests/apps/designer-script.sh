#!/usr/bin/env bash
# tavrel-designer driven by scripts: the property sheet's pages end to end, and the designer's
# rules for its settings file.
set -u
designer=$1
data=$(cd "$(dirname "$0")/data" && pwd)
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT
run() { "$designer" "$@" 2>"$dir/err"; }

# The three pages, as the designer shows them on a new control.
cat > "$dir/pages.tavrel" <<SCRIPT
sheet
changed
show txtMenusMax
show VScroll2
spin VScroll2 down
show txtMenusMax
spin VScroll2 up
spin VScroll2 up
show txtMenusMax
type txtMenusMax 37
show txtMenusMax
apply
changed
get MenusMax
type txtMenuCur 3
ok
get MenuCur
set MenuItemIcon none
sheet
page MenuObjects
show txtMenuCaption
type txtMenuCaption Tools and more
spin VScroll2 up
spin VScroll2 up
show txtMenuItemsMax
spin VScroll1 up
spin VScroll1 up
spin VScroll1 up
show VScroll1
page MenuItemObjects
changed
browse cancel
show imgPicture
browse $dir/missing.ico
show imgPicture
browse $data/cross.ico
show imgPicture
get MenuItemIcon
ok
get MenuCaption
get MenuItemsMax
get MenuItemIcon
SCRIPT
cat > "$dir/expected" <<EXPECTED
changed=True
txtMenusMax=1
VScroll2=-1 min=-6 max=-1
txtMenusMax=1
txtMenusMax=3
txtMenusMax=3
changed=False
MenusMax=3
MenuCur=3
txtMenuCaption=Menu3
txtMenuItemsMax=3
VScroll1=-3 min=-3 max=-1
changed=True
imgPicture=none
imgPicture=none
imgPicture=picture 32x32
MenuItemIcon=none
MenuCaption=Tools and more
MenuItemsMax=3
MenuItemIcon=picture 32x32
EXPECTED
run --script "$dir/pages.tavrel" >"$dir/out" || fail "the pages script runs: $(cat "$dir/err")"
diff -u "$dir/expected" "$dir/out" || fail "the pages script printed what is above"

# "7" is the control's to refuse, with its beep and message; the current menu is still written.
printf 'sheet\ntype txtMenusMax 7\ntype txtMenuCur 1\nok\nget MenusMax\nget MenuCur\n' >"$dir/refused.tavrel"
run --script "$dir/refused.tavrel" >"$dir/out" || fail "the refusal script runs"
printf 'Beep\nMessageBox "MenusMax must be between 0 and 6"\nMenusMax=1\nMenuCur=1\n' >"$dir/expected"
diff -u "$dir/expected" "$dir/out" || fail "a refused count leaves the rest applied"

# Script errors name the line.
printf 'show txtMenusMax\n' >"$dir/nosheet.tavrel"
run --script "$dir/nosheet.tavrel" >/dev/null; [ $? -eq 2 ] || fail "a sheet command without a sheet exits 2"
grep -q "nosheet.tavrel:1: no property sheet is open" "$dir/err" || fail "and says why: $(cat "$dir/err")"
printf 'sheet\nspin txtMenusMax up\n' >"$dir/notspinner.tavrel"
run --script "$dir/notspinner.tavrel" >/dev/null; [ $? -eq 2 ] || fail "spinning a text box exits 2"
grep -q "'txtMenusMax' is not a spinner on the page Menus" "$dir/err" || fail "and says why: $(cat "$dir/err")"

# A file that cannot be loaded is reported and never saved over, unless Save As names it.
printf '{"format": "tavrel-settings", "version": 1, "values": {' >"$dir/damaged.json"
cp "$dir/damaged.json" "$dir/damaged.orig"
printf 'save\n' >"$dir/save.tavrel"
run "$dir/damaged.json" --script "$dir/save.tavrel" >/dev/null; [ $? -eq 2 ] || fail "Save without a file exits 2"
grep -q "^tavrel-designer: .*damaged.json" "$dir/err" || fail "the damaged file is reported: $(cat "$dir/err")"
cmp -s "$dir/damaged.json" "$dir/damaged.orig" || fail "the damaged file was saved over"
printf 'save %s\nsave\n' "$dir/new.json" >"$dir/saveas.tavrel"
run "$dir/damaged.json" --script "$dir/saveas.tavrel" >/dev/null || fail "Save As then Save: $(cat "$dir/err")"
cmp -s "$dir/damaged.json" "$dir/damaged.orig" || fail "Save As another file leaves the damaged one"
grep -q '"tavrel-settings"' "$dir/new.json" || fail "Save As wrote the new file"
printf 'save %s\n' "$dir/damaged.json" >"$dir/over.tavrel"
run "$dir/damaged.json" --script "$dir/over.tavrel" >/dev/null || fail "Save As may name the damaged file"
grep -q '"tavrel-settings"' "$dir/damaged.json" || fail "Save As over the damaged file wrote it"

# Loaded files are saved back to themselves; icons go as pictures or, refused the Parent, as
# picture locations.
printf 'sheet\npage MenuItemObjects\nbrowse %s\nok\nsave\n' "$data/cross.ico" >"$dir/icon.tavrel"
cp "$dir/new.json" "$dir/pictures.json"
run "$dir/pictures.json" --script "$dir/icon.tavrel" >/dev/null || fail "saving pictures: $(cat "$dir/err")"
grep -q '"key": "MenuItemIcon11"' "$dir/pictures.json" || fail "icons are saved as pictures"
cp "$dir/new.json" "$dir/locations.json"
run "$dir/locations.json" --icons-as-locations --script "$dir/icon.tavrel" >/dev/null || fail "saving locations: $(cat "$dir/err")"
grep -q '"key": "MenuItemPictureURL11"' "$dir/locations.json" || fail "icons are saved as locations"
grep -q '"key": "MenuItemIcon11"' "$dir/locations.json" && fail "no pictures with --icons-as-locations"

"$designer" --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "an unknown option exits 2"
echo "designer scripts: 1 passed, 0 failed"
