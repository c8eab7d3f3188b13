#!/usr/bin/env bash
# With no Documents folder to be found, the log folder lies at the root of
# the file system ("/Kestova/SystemLog"). The launcher runs in a private
# mount namespace over an overlay of the root, as a user without a home, so
# what it writes at the root lands in a scratch folder, not on the machine.
# Usage: no_documents_test.sh BIN_FOLDER     (exit 77: cannot run here)
set -u
bin=$(cd "$1" && pwd)
if [ "$(id -u)" != 0 ] || ! command -v unshare >/dev/null || ! command -v setpriv >/dev/null; then
    echo "needs root, unshare and setpriv"; exit 77
fi
scratch=$(mktemp -d)
trap 'umount -l "$scratch/root" 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/upper" "$scratch/work" "$scratch/root"

unshare -m bash -c '
    mount -t overlay overlay -o "lowerdir=/,upperdir=$1/upper,workdir=$1/work" "$1/root" || exit 77
    mount -t proc proc "$1/root/proc" && mount --rbind /dev "$1/root/dev" || exit 77
    chmod 1777 "$1/root"
    exec chroot "$1/root" setpriv --reuid=54321 --regid=54321 --clear-groups \
        env -i PATH=/usr/bin:/bin LC_ALL=C.UTF-8 KESTOVA_APPRUN_OUTPUT=/tmp/kl-run.txt \
            ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$2" --exit=6
' _ "$scratch" "$bin/KestovaLink"
status=$?

passed=0 failed=0
check() {
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
[ "$status" = 77 ] && { echo "overlay mounts are not available"; exit 77; }
root=$scratch/upper
ini=$root/Kestova/SystemLog/KestovaLink.ini
check "exit code is Run's" '[ "$status" = 6 ]'
check "properties file at the root" '[ -f "$ini" ]'
check "seven CR LF lines" '[ "$(grep -c $'"'"'\r$'"'"' "$ini")" = 7 ] && [ "$(wc -l < "$ini")" = 7 ]'
check "log file named in line 5" 'grep -q "^log4j.appender.kAppender.File = /Kestova/SystemLog/KestovaLink/KestovaLink.1.0.0Log_[0-9]\{8\}.txt" "$ini"'
check "Info line in the log file" 'grep -q "\[ INFO\] .* - Run: .*KestovaLink --exit=6" "$root"/Kestova/SystemLog/KestovaLink/KestovaLink.1.0.0Log_*.txt'
check "nothing at the real root" '[ ! -e /Kestova ]'
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
