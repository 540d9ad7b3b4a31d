#!/usr/bin/env bash
# A system-wide installation used by a pupil: setup installs as root into /opt/cinemoto
# and makes the shared records folder; an ordinary user then stores exams and sees them
# listed; a full disk under the records loses nothing. Runs in a private mount namespace
# over small file systems, so the machine itself is left as it was.
#   check_root_install.sh <build folder> <probe program>
# Exit 77 (skipped) when not root or when namespaces are not allowed.
set -euo pipefail
build="$1"
probe="$2"
[ "$(id -u)" -eq 0 ] || { echo "needs root"; exit 77; }
unshare -m --propagation private true 2>/dev/null || { echo "no mount namespaces here"; exit 77; }

user=cinemoto-pupil
made_user=0
if ! id "$user" >/dev/null 2>&1; then
    useradd --no-create-home --shell /usr/sbin/nologin "$user"
    made_user=1
fi
made_dirs=()
for d in /opt /var/lib/cinemoto /usr/local/share/applications; do
    if [ ! -d "$d" ]; then mkdir -p "$d"; made_dirs+=("$d"); fi
done
cleanup() {
    [ "$made_user" -eq 1 ] && userdel "$user" 2>/dev/null || true
    for d in "${made_dirs[@]}"; do rmdir "$d" 2>/dev/null || true; done
}
trap cleanup EXIT

unshare -m --propagation private bash -s "$build" "$probe" "$user" <<'INNER'
set -euo pipefail
build="$1"; probe="$2"; user="$3"
for d in /opt /var/lib/cinemoto /usr/local/share/applications; do mount -t tmpfs -o mode=0755 tmpfs "$d"; done
home=$(mktemp -d); chown "$user" "$home"

"$build/medium/setup" --install 3
[ "$(stat -c %a /opt/cinemoto)" = 755 ] || { echo "program folder mode"; exit 1; }
[ "$(stat -c %a /var/lib/cinemoto)" = 777 ] || { echo "shared folder mode"; exit 1; }
[ -f /usr/local/share/applications/Cinemoto.desktop ] || { echo "no menu entry"; exit 1; }
install -m 0755 "$probe" /opt/cinemoto/record_store_probe

as_pupil() { runuser -u "$user" -- env HOME="$home" QT_QPA_PLATFORM=offscreen /opt/cinemoto/record_store_probe "$@"; }
as_pupil "Aina" | tee /tmp/probe1.txt
as_pupil "Pau" | tee /tmp/probe2.txt
grep -q "/var/lib/cinemoto" /tmp/probe2.txt || { echo "records not in the shared folder"; exit 1; }
grep -q "^ 1 Pau" /tmp/probe2.txt && grep -q "^ 2 Aina" /tmp/probe2.txt || { echo "records not listed"; exit 1; }
[ ! -e /opt/cinemoto/exadat.lock ] && [ "$(ls /var/lib/cinemoto | tr "\n" " ")" = "exadat exadat.lock " ] || { echo "leftovers"; ls -la /var/lib/cinemoto; exit 1; }

# A full disk: the records stay byte for byte and the pupil is told.
umount /var/lib/cinemoto
mount -t tmpfs -o size=64k,mode=0777 tmpfs /var/lib/cinemoto
printf '%s' "$(head -c 400 /dev/zero | tr '\0' 'a')" > /var/lib/cinemoto/exadat
chmod 0666 /var/lib/cinemoto/exadat
before=$(sha256sum /var/lib/cinemoto/exadat)
dd if=/dev/zero of=/var/lib/cinemoto/filler bs=4k 2>/dev/null || true
set +e
as_pupil "Laia"
code=$?
set -e
[ "$code" -eq 3 ] || { echo "store on a full disk: exit $code"; exit 1; }
[ "$(sha256sum /var/lib/cinemoto/exadat)" = "$before" ] || { echo "records changed on a full disk"; exit 1; }

# Removed by the administrator: program and menu entry go, the class's records stay.
umount /var/lib/cinemoto
mount -t tmpfs -o mode=0777 tmpfs /var/lib/cinemoto
echo "records" > /var/lib/cinemoto/exadat
/opt/cinemoto/uninstall --yes
[ ! -e /opt/cinemoto/cinemoto ] && [ ! -e /usr/local/share/applications/Cinemoto.desktop ] || { echo "not removed"; exit 1; }
[ "$(cat /var/lib/cinemoto/exadat)" = records ] || { echo "shared records lost"; exit 1; }

# A pupil's own installation, from a copy of the medium the pupil can read, and its removal.
medium=$(mktemp -d); cp -r "$build/medium/." "$medium"; chmod -R a+rX "$medium"
runuser -u "$user" -- env HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$medium/setup" --install 2
own="$home/.local/share/cinemoto"
[ -x "$own/cinemoto" ] && [ -f "$home/.local/share/applications/Cinemoto.desktop" ] || { echo "own install missing"; exit 1; }
echo "mine" > "$own/exadat"
runuser -u "$user" -- env HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$own/uninstall" --yes
[ "$(ls "$own")" = exadat ] && [ "$(cat "$own/exadat")" = mine ] || { echo "own records not kept"; ls -la "$own"; exit 1; }
[ ! -e "$home/.local/share/applications/Cinemoto.desktop" ] || { echo "own menu entry left"; exit 1; }
rm -rf "$home" "$medium"
echo "root install: pupil stores and lists; full disk loses nothing; uninstall keeps the records"
INNER
