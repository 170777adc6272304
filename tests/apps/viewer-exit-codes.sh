#!/usr/bin/env bash
# tavrel-view's exit status and its error lines, as a shell sees them.
set -u
view=$1
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d); trap 'rm -rf "$dir"' EXIT

printf 'echo hello\n' > "$dir/ok.tavrel"
out=$("$view" --script "$dir/ok.tavrel" 2>/dev/null) || fail "a good script exits 0"
[ "$out" = "hello" ] || fail "echo prints its text, got '$out'"

printf 'echo one\nbogus\n' > "$dir/bad.tavrel"
"$view" --script "$dir/bad.tavrel" >/dev/null 2>"$dir/err"; status=$?
[ $status -eq 2 ] || fail "a script error exits 2, got $status"
grep -q "^$dir/bad.tavrel:2: unknown command 'bogus'" "$dir/err" || fail "the error names file and line: $(cat "$dir/err")"

echo 'get MenusMax' | "$view" --script - >"$dir/out" 2>/dev/null || fail "a script on standard input runs"
grep -qx 'MenusMax=4' "$dir/out" || fail "the built-in demo has four menus: $(cat "$dir/out")"

"$view" "$dir/missing.json" --script "$dir/ok.tavrel" >/dev/null 2>&1; status=$?
[ $status -eq 2 ] || fail "a settings file that cannot be loaded exits 2, got $status"
"$view" --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "an unknown option exits 2"
echo "viewer exit codes: 1 passed, 0 failed"
