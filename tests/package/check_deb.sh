#!/usr/bin/env bash
# Checks a built guichet .deb: its files, its control data, lintian, and what its maintainer
# scripts do to a scratch root (never to this machine).
# usage: check_deb.sh PATH.deb
set -euo pipefail

deb=$1
database=/var/lib/guichet/bdd.mdb
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
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
for library in libqt6widgets6 libsqlite3-0 qt6-qpa-plugins fonts-liberation2; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
dpkg-deb -e "$deb" "$scratch/control"
grep -aqF "$database" "$root/usr/bin/guichet" || fail "guichet does not hold the path $database"
desktop-file-validate "$root/usr/share/applications/guichet.desktop" ||
    fail "desktop entry not valid"

# lintian exits non-zero on any error; its warnings are shown but pass.
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
    fail "lintian reports errors"

# The maintainer scripts honour DPKG_ROOT, so they can be run against the scratch root.
run_script() {
    DPKG_ROOT=$root PATH="$root/usr/bin:$PATH" sh "$scratch/control/$1" "${@:2}"
}
state=$root/var/lib/guichet
mkdir -p "$root/var/lib"
run_script postinst configure >/dev/null || fail "postinst failed on a first install"
[ "$(stat -c %a "$state" 2>/dev/null)" = 777 ] || fail "the database folder is not 0777"
[ "$(stat -c %a "$state/bdd.mdb" 2>/dev/null)" = 666 ] || fail "the database is not 0666"
[ "$(head -c 15 "$state/bdd.mdb" 2>/dev/null)" = "SQLite format 3" ] ||
    fail "postinst made no SQLite database"
for table in compte acceder ftp contact; do
    grep -aq "CREATE TABLE $table (" "$state/bdd.mdb" || fail "new database lacks $table"
done
compgen -G "$root/var/lib/guichet.*" >/dev/null && fail "postinst left its work folder behind"
sqlite3 "$state/bdd.mdb" "INSERT INTO compte VALUES ('ann','a'), ('ann','b');" 2>/dev/null &&
    fail "new database takes the same login twice"

echo "accounts kept" >"$state/bdd.mdb"
run_script postinst configure 0.1.0-1 >/dev/null 2>&1 || fail "postinst failed on an upgrade"
[ "$(cat "$state/bdd.mdb")" = "accounts kept" ] || fail "postinst replaced an existing database"

# An upgrade gives a database made before the login index that index; where logins are
# already doubled it warns, leaves the file as it is and still succeeds.
rm "$state/bdd.mdb"
sqlite3 "$state/bdd.mdb" "CREATE TABLE compte (loggin TEXT, pwd TEXT);
    INSERT INTO compte VALUES ('ann','a');"
run_script postinst configure 0.1.0-1 >/dev/null || fail "postinst failed on an old database"
sqlite3 "$state/bdd.mdb" "INSERT INTO compte VALUES ('ann','b');" 2>/dev/null &&
    fail "an upgrade left the database without the login index"
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
