#!/usr/bin/env bash
# A Firebird server on 127.0.0.1 with throw-away databases for the database
# tests.
#   scripts/firebird-test-server.sh start ENV_FILE
#       Starts the server when none answers on 127.0.0.1 (as the firebird user,
#       the way Debian runs it), creates one database per test that uses
#       tests/support/TestDatabase.h, each with db/orfa-schema.sql, and a
#       database user with a lower-case password holding the role "3". Writes
#       the connection details to ENV_FILE for the tests.
#   scripts/firebird-test-server.sh stop ENV_FILE
#       Drops the databases and the user, and stops the server if start started
#       it. Safe to run twice.
# Needs the Debian package firebird3.0-server (scripts/install-deps.sh test)
# and root, directly or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

action=${1:-}
env_file=${2:-}
if [ -z "$env_file" ] || { [ "$action" != start ] && [ "$action" != stop ]; }; then
    echo "usage: $0 start|stop ENV_FILE" >&2
    exit 2
fi
state_file="$env_file.state"

conf=/etc/firebird/3.0/firebird.conf
password_file=/etc/firebird/3.0/SYSDBA.password
host=127.0.0.1

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

conf_value() { # the last setting of $1 in firebird.conf, or $2
    local value
    value=$(sed -n "s/^[[:space:]]*$1[[:space:]]*=[[:space:]]*\([^[:space:]#]*\).*/\1/p" "$conf" |
        tail -n 1)
    echo "${value:-$2}"
}
port=$(conf_value RemoteServicePort 3050)

answers() { (exec 3<>"/dev/tcp/$host/$port") 2>/dev/null; }

# Alive and not a zombie (without an init system nobody may reap it).
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null || true)
    [ -n "$state" ] && [ "${state#Z}" = "$state" ]
}

sysdba_password() {
    "${as_root[@]}" sh -c ". '$password_file' && printf '%s' \"\$ISC_PASSWORD\""
}

isql() { # isql-fb as SYSDBA over the network, statements on stdin
    isql-fb -q -b -user SYSDBA -password "$SYSDBA_PASSWORD" "$@"
}

# Test and benchmark programs that include the database fixture, by program name.
database_tests() {
    grep -l 'support/TestDatabase.h' tests/*/tst_*.cpp bench/bench_*.cpp |
        sed -E -e 's#^tests/([^/]+)/(tst_[^/.]+)\.cpp$#\1_\2#' \
            -e 's#^bench/(bench_[^/.]+)\.cpp$#\1#'
}

stop() {
    [ -f "$state_file" ] || return 0
    local dir pid user
    dir=$(sed -n 's/^dir=//p' "$state_file")
    pid=$(sed -n 's/^pid=//p' "$state_file")
    user=$(sed -n 's/^user=//p' "$state_file")
    if answers; then
        SYSDBA_PASSWORD=$(sysdba_password)
        local first=""
        for db in "$dir"/*.fdb; do
            [ -e "$db" ] || continue
            if [ -z "$first" ] && [ -n "$user" ]; then
                echo "DROP USER $user; COMMIT;" | isql "$host/$port:$db" || true
                first=$db
            fi
            echo "DROP DATABASE;" | isql "$host/$port:$db" || true
        done
    fi
    if [ -n "$pid" ] && running "$pid"; then
        "${as_root[@]}" kill -TERM "$pid" # the guardian stops the server with it
        for _ in $(seq 1 200); do
            running "$pid" || break
            sleep 0.1
        done
    fi
    case "$dir" in /tmp/orfa-fbtest.*) "${as_root[@]}" rm -rf "$dir" ;; esac
    rm -f "$state_file" "$env_file"
}

start() {
    stop # what an interrupted run left behind
    for tool in /usr/sbin/fbguard isql-fb; do
        command -v "$tool" >/dev/null ||
            { echo "$tool is missing: run scripts/install-deps.sh test" >&2; exit 1; }
    done
    mkdir -p "$(dirname "$env_file")"
    : >"$state_file"

    if ! answers; then
        # The tests must not open the server to the network.
        local bind
        bind=$(conf_value RemoteBindAddress "")
        case "$bind" in
        127.0.0.1 | localhost) ;;
        *)
            echo "$conf: RemoteBindAddress is '${bind:-unset}', not 127.0.0.1;" \
                "set it to 127.0.0.1 or start the server yourself" >&2
            exit 1
            ;;
        esac
        # The lock directory that the system's tmpfiles would create.
        "${as_root[@]}" install -d -o firebird -g firebird -m 0770 /tmp/firebird
        local log
        log="$(dirname "$env_file")/firebird-test-server.log"
        "${as_root[@]}" setpriv --reuid=firebird --regid=firebird --init-groups -- \
            /usr/sbin/fbguard -forever >"$log" 2>&1 &
        echo "pid=$!" >>"$state_file"
        for _ in $(seq 1 200); do
            answers && break
            sleep 0.1
        done
        answers || { echo "the Firebird server did not start, see $log" >&2; exit 1; }
    fi

    SYSDBA_PASSWORD=$(sysdba_password)
    local dir user password
    dir=$("${as_root[@]}" mktemp -d /tmp/orfa-fbtest.XXXXXX)
    echo "dir=$dir" >>"$state_file"
    "${as_root[@]}" chown firebird:firebird "$dir"
    "${as_root[@]}" chmod 0770 "$dir"
    user="orfa_test_$(od -An -N4 -tx1 /dev/urandom | tr -d ' \n')"
    password=$(od -An -N8 -tx1 /dev/urandom | tr -d ' \n') # lower case on purpose

    local created=""
    for name in $(database_tests); do
        local db="$dir/$name.fdb"
        {
            echo "CREATE DATABASE '$host/$port:$db' USER 'SYSDBA' PASSWORD '$SYSDBA_PASSWORD'"
            echo "    DEFAULT CHARACTER SET WIN1250;"
            echo "INPUT db/orfa-schema.sql;"
        } | isql
        if [ -z "$created" ]; then
            echo "CREATE USER $user PASSWORD '$password'; COMMIT;" | isql "$host/$port:$db"
            echo "user=$user" >>"$state_file"
            created=yes
        fi
        echo "GRANT \"3\" TO USER $user; COMMIT;" | isql "$host/$port:$db"
    done

    (
        umask 077
        {
            echo "ORFA_TEST_DB_HOST=$host"
            echo "ORFA_TEST_DB_PORT=$port"
            echo "ORFA_TEST_DB_DIR=$dir"
            echo "ORFA_TEST_DB_USER=$user"
            echo "ORFA_TEST_DB_PASSWORD=$password"
        } >"$env_file"
    )
    echo "Firebird test databases in $dir (details in $env_file)"
}

"$action"
