#!/usr/bin/env bash
# Checks a built guichet .deb: its files, its control data, lintian, what its maintainer
# scripts do to a scratch root, and who reaches the database they make there. The package is
# never installed; the group guichet and three people are added to this machine meanwhile.
# usage: check_deb.sh PATH.deb
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"

deb=$1
database=/var/lib/guichet/bdd.mdb
scratch=$(mktemp -d)
people=(guichet-ann guichet-bob guichet-eve) # two members and a stranger
had_group=$(getent group guichet || true)
clean_up() {
    [ -z "${writer:-}" ] || kill -KILL "$writer" 2>/dev/null || true
    for person in "${people[@]}"; do userdel "$person" 2>/dev/null || true; done
    [ -n "$had_group" ] || groupdel guichet 2>/dev/null || true
    rm -rf "$scratch"
}
trap clean_up EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb" | awk '{ print $1, $6 }')
for entry in \
    "-rwxr-xr-x ./usr/bin/guichet" \
    "-rwxr-xr-x ./usr/bin/guichet-db" \
    "-rw-r--r-- ./usr/share/applications/guichet.desktop" \
    "-rw-r--r-- ./usr/share/metainfo/example.c_seed_b3456037.guichet.metainfo.xml" \
    "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/guichet.svg" \
    "-rw-r--r-- ./usr/share/man/man1/guichet.1.gz" \
    "-rw-r--r-- ./usr/share/man/man1/guichet-db.1.gz" \
    "-rw-r--r-- ./usr/share/bash-completion/completions/guichet-db" \
    "-rw-r--r-- ./usr/share/doc/guichet/copyright" \
    "-rw-r--r-- ./usr/share/doc/guichet/changelog.Debian.gz"; do
    grep -qxF -- "$entry" <<<"$contents" || fail "missing or wrong mode: $entry"
done
grep '^d' <<<"$contents" | grep -qv '^drwxr-xr-x' && fail "a folder is not 0755"
grep -q ' \./var/' <<<"$contents" && fail "the package ships /var; the database is postinst's"

info=$(dpkg-deb -I "$deb")
for script in postinst postrm; do
    grep -Eq "^ +[0-9]+ bytes, +[0-9]+ lines +\* +$script " <<<"$info" ||
        fail "no executable $script"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libsqlite3-0 qt6-qpa-plugins fonts-liberation2 adduser; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
dpkg-deb -e "$deb" "$scratch/control"
grep -aqF "$database" "$root/usr/bin/guichet" || fail "guichet does not hold the path $database"
desktop-file-validate "$root/usr/share/applications/guichet.desktop" ||
    fail "desktop entry not valid"
# Offline, so that no screenshot is fetched: its notes are shown, and only an error fails.
appstreamcli validate --no-net "$root/usr/share/metainfo/example.c_seed_b3456037.guichet.metainfo.xml" || fail "metainfo not valid"

# lintian exits non-zero on any error; its warnings are shown but pass.
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
    fail "lintian reports errors"

# The maintainer scripts honour DPKG_ROOT, so they can be run against the scratch root.
run_script() {
    DPKG_ROOT=$root PATH="$root/usr/bin:$PATH" sh "$scratch/control/$1" "${@:2}"
}
# Runs the line where /var/lib is the scratch root's, so that the installed path reaches it.
in_place() {
    unshare --mount sh -c 'mount --bind "$0" /var/lib && exec "$@"' "$root/var/lib" "$@"
}
as() { setpriv --reuid="$1" --regid="$1" --init-groups env HOME=/ "${@:2}"; }
sql() { as "$1" sqlite3 -bail "$state/bdd.mdb" "${@:2}"; }
filled() { printf "'%-50s'" "$1"; }
modes() { stat -c '%U:%G %a' "$state" "$state/bdd.mdb" | tr '\n' ' '; }
guarded="root:guichet 2770 root:guichet 660 "
state=$root/var/lib/guichet
mkdir -p "$root/var/lib"
chmod 0755 "$scratch"
said=$(run_script postinst configure) || fail "postinst failed on a first install"
grep -q "adduser NAME guichet" <<<"$said" || fail "a first install does not say who may use it"
[ "$(modes)" = "$guarded" ] || fail "a first install made $(modes)"
for person in "${people[@]}"; do useradd --user-group --no-create-home "$person"; done
adduser --quiet guichet-ann guichet && adduser --quiet guichet-bob guichet

# Two members log on, create an account and change a password in turn.
sql guichet-ann "INSERT INTO compte VALUES ($(filled ann), 'a');" || fail "a member cannot create"
sql guichet-bob "UPDATE compte SET pwd = 'b' WHERE loggin = $(filled ann);" ||
    fail "another member cannot change the password"
[ "$(sql guichet-ann "SELECT pwd FROM compte;")" = b ] || fail "the new password is not read"
# One member's program killed in the middle of a write leaves a journal the other's rolls back.
mkfifo "$scratch/statements"
setpriv --reuid=guichet-ann --regid=guichet-ann --init-groups stdbuf -oL \
    sqlite3 "$state/bdd.mdb" <"$scratch/statements" >"$scratch/written" &
writer=$!
exec 3>"$scratch/statements"
echo "PRAGMA cache_size = 1; BEGIN; INSERT INTO compte WITH RECURSIVE n(i) AS (SELECT 1
    UNION ALL SELECT i + 1 FROM n WHERE i < 5000) SELECT printf('%-50d', i), '' FROM n;
    SELECT 'spilled';" >&3
timeout 20 sh -c 'until grep -q spilled "$0"; do sleep 0.1; done' "$scratch/written" ||
    fail "the writer did not write"
kill -KILL "$writer" && wait "$writer" 2>/dev/null || true
exec 3>&-
[ -e "$state/bdd.mdb-journal" ] || fail "the killed writer left no journal"
sql guichet-bob "INSERT INTO compte VALUES ($(filled bob), 'b');" ||
    fail "a member cannot roll back another's journal"
[ "$(sqlite3 "$state/bdd.mdb" "SELECT count(*) FROM compte; PRAGMA integrity_check;")" = \
    $'2\nok' ] || fail "the killed write was not rolled back"
# A stranger reaches nothing, and the program says it cannot find the file.
for attempt in "cat $state/bdd.mdb" "ls $state" "mv $state/bdd.mdb $state/stolen.mdb"; do
    as guichet-eve $attempt 2>/dev/null && fail "a stranger could $attempt"
done
install -d -o guichet-eve -m 0700 "$scratch/eve" # Qt's, not to be left in /tmp
said=$(in_place setpriv --reuid=guichet-eve --regid=guichet-eve --init-groups env HOME=/ \
    XDG_RUNTIME_DIR="$scratch/eve" QT_QPA_PLATFORM=offscreen timeout 20 "$root/usr/bin/guichet" \
    2>&1) &&
    fail "a stranger's guichet went on"
grep -qF "Could not find file '$database'." <<<"$said" || fail "a stranger is told: $said"

rm "$state/bdd.mdb"
in_place "$root/usr/bin/guichet-db" create "$database" >/dev/null
[ "$(modes)" = "$guarded" ] || fail "guichet-db create as root made $(modes)"
# An upgrade of a database open to all keeps every row, adds the login index, closes it.
rm -rf "$state" && mkdir -m 0777 "$state"
"$root/usr/bin/guichet-db" create --example "$state/bdd.mdb" >/dev/null
sqlite3 "$state/bdd.mdb" "DROP INDEX compte_loggin;" && chmod 0666 "$state/bdd.mdb"
rows=$(sqlite3 "$state/bdd.mdb" .dump | grep INSERT)
in_place "$root/usr/bin/guichet-db" check --strict "$database" >/dev/null &&
    fail "check --strict passes a database open to all"
said=$(run_script postinst configure 0.1.0-1) || fail "postinst failed on an upgrade"
grep -q "adduser NAME guichet" <<<"$said" || fail "an upgrade does not say who may use it"
[ "$(modes)" = "$guarded" ] || fail "an upgrade made $(modes)"
[ "$(sqlite3 "$state/bdd.mdb" .dump | grep INSERT)" = "$rows" ] || fail "an upgrade lost rows"
sqlite3 "$state/bdd.mdb" "INSERT INTO compte SELECT * FROM compte;" 2>/dev/null &&
    fail "an upgrade left the database without the login index"
in_place "$root/usr/bin/guichet-db" check --strict "$database" >/dev/null ||
    fail "check --strict finds fault with an upgraded database"
chmod 0777 "$state" && chmod 0666 "$state/bdd.mdb"
in_place "$root/usr/bin/guichet-db" fix "$database" >/dev/null
[ "$(modes)" = "$guarded" ] || fail "guichet-db fix made $(modes)"

# Where logins are already doubled, an upgrade warns, leaves the file as it is and succeeds.
rm "$state/bdd.mdb"
sqlite3 "$state/bdd.mdb" "CREATE TABLE compte (loggin TEXT, pwd TEXT);
    INSERT INTO compte VALUES ('ann','a'), ('ann','b');"
cp "$state/bdd.mdb" "$scratch/doubled.mdb"
warning=$(run_script postinst configure 0.1.0-1 2>&1 >/dev/null) ||
    fail "postinst failed on doubled logins"
grep -q "^guichet: warning: " <<<"$warning" || fail "no warning on doubled logins: $warning"
grep -qF "'ann' (2 rows)" <<<"$warning" || fail "the doubled login is not listed: $warning"
cmp -s "$state/bdd.mdb" "$scratch/doubled.mdb" || fail "postinst changed doubled logins"

rm "$state/bdd.mdb"
ln -s "$scratch/elsewhere" "$state/bdd.mdb"
run_script postinst configure >/dev/null 2>&1 || fail "postinst failed beside a dangling link"
[ ! -e "$scratch/elsewhere" ] || fail "postinst followed a link left in the shared folder"

run_script postrm remove || fail "postrm remove failed"
[ -L "$state/bdd.mdb" ] || fail "removing the package deleted the database"
run_script postrm purge || fail "postrm purge failed"
[ ! -e "$state" ] || fail "purging the package left $state"

if [ "$failures" -ne 0 ]; then
    echo "$deb: $failures check(s) failed" >&2
    exit 1
fi
echo "$deb: contents, lintian and maintainer scripts as expected"
