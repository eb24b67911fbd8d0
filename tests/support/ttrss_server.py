#!/usr/bin/env python3
"""A real Tiny Tiny RSS (Debian's tt-rss package) on 127.0.0.1 for the tests.

Brings up, in a private temporary directory: a PostgreSQL 15 cluster (initdb, run as
www-data, reached through a Unix socket in that directory only), tt-rss's schema, the
default user "admin" with the password given (else "password") and API access on, two feeds with unread
articles, and PHP's built-in web server over a private copy of the web root, as www-data
(tt-rss refuses to run as root). The articles are written into the database directly, so
tt-rss never has to fetch anything.

Prints the web server's port on the first line of standard output, then serves until
standard input closes or the process is terminated; everything is torn down on the way
out. Must run as root.

Arguments: [LINK_BASE [PASSWORD]]. Test-only control: `ttrss_server.py --unread DIRECTORY` prints the number of unread
articles of the instance whose directory is given (printed on the second line).
"""
import hashlib
import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

WEBROOT = "/usr/share/tt-rss/www"
SCHEMA = "/usr/share/tt-rss/schema/ttrss_schema_pgsql.sql"
PGBIN = "/usr/lib/postgresql/15/bin"
USER = "www-data"


def as_user(command, **kwargs):
    return subprocess.run(["runuser", "-u", USER, "--"] + command, check=True,
                          stdout=subprocess.DEVNULL if "stdout" not in kwargs else kwargs.pop("stdout"),
                          stderr=subprocess.PIPE, **kwargs)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def psql(base, sql, capture=False):
    result = as_user(["psql", "-h", base, "-p", "5432",
                      "-U", "postgres", "-d", "ttrss", "-v", "ON_ERROR_STOP=1", "-q", "-t",
                      "-A", "-c", sql], stdout=subprocess.PIPE if capture else subprocess.DEVNULL)
    return result.stdout.decode().strip() if capture else None


SEED = """
insert into ttrss_user_prefs (owner_uid, pref_name, profile, value)
    values (1, 'ENABLE_API_ACCESS', null, 'true');
insert into ttrss_feeds (id, owner_uid, title, feed_url, site_url)
    values (101, 1, '第一フィード', 'http://127.0.0.1:9/one.xml', 'http://127.0.0.1:9/one/'),
           (102, 1, 'Second feed', 'http://127.0.0.1:9/two.xml', 'http://127.0.0.1:9/two/');
"""


def seed_articles(base, link_base):
    rows = []
    for feed, count in ((101, 3), (102, 2)):
        for n in range(count):
            key = "%d-%d" % (feed, n)
            rows.append("('%s 記事 %d', '%s', '%s/%s', now() - interval '%d minutes', "
                        "'<p>本文 %s</p>', '%s', now(), now())"
                        % ("Feed%d" % feed, n, key, link_base, key, 10 * n + feed, key, key))
    psql(base, "insert into ttrss_entries (title, guid, link, updated, content, content_hash, "
               "date_entered, date_updated) values " + ", ".join(rows) + ";")
    psql(base, "insert into ttrss_user_entries (ref_id, uuid, feed_id, owner_uid, tag_cache, "
               "label_cache, unread) select id, '', cast(split_part(guid, '-', 1) as integer), 1, "
               "'', '', true from ttrss_entries;")


CONFIG = """<?php
define('DB_TYPE', 'pgsql');
define('DB_HOST', '{base}');
define('DB_PORT', '5432');
define('DB_USER', 'postgres');
define('DB_NAME', 'ttrss');
define('DB_PASS', '');
define('MYSQL_CHARSET', 'UTF8');
define('SELF_URL_PATH', 'http://127.0.0.1:{port}/');
define('SINGLE_USER_MODE', false);
define('SIMPLE_UPDATE_MODE', false);
define('PHP_EXECUTABLE', '/usr/bin/php');
define('LOCK_DIRECTORY', '{base}/lock');
define('CACHE_DIR', '{base}/cache');
define('ICONS_DIR', '{base}/icons');
define('ICONS_URL', 'icons');
define('AUTH_AUTO_CREATE', true);
define('AUTH_AUTO_LOGIN', true);
define('FORCE_ARTICLE_PURGE', 0);
define('ENABLE_REGISTRATION', false);
define('REG_NOTIFY_ADDRESS', 'user@example.org');
define('REG_MAX_USERS', 10);
define('SESSION_COOKIE_LIFETIME', 86400);
define('SMTP_FROM_NAME', 'Tiny Tiny RSS');
define('SMTP_FROM_ADDRESS', 'noreply@example.org');
define('DIGEST_SUBJECT', 'digest');
define('CHECK_FOR_UPDATES', false);
define('ENABLE_GZIP_OUTPUT', false);
define('PLUGINS', 'auth_internal');
define('LOG_DESTINATION', '');
define('CONFIG_VERSION', 26);
"""


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--unread":
        print(psql(sys.argv[2], "select count(*) from ttrss_user_entries where unread;", True))
        return
    link_base = sys.argv[1] if len(sys.argv) > 1 else "http://127.0.0.1:9/article"
    password = sys.argv[2] if len(sys.argv) > 2 else "password"
    base = tempfile.mkdtemp(prefix="ttrss-")
    www = pwd.getpwnam(USER)
    os.chown(base, www.pw_uid, www.pw_gid)
    server = None
    try:
        as_user([PGBIN + "/initdb", "-D", base + "/db", "-U", "postgres", "--auth=trust",
                 "-E", "UTF8", "--locale=C.UTF-8"])
        as_user([PGBIN + "/pg_ctl", "-D", base + "/db", "-w", "-l", base + "/pg.log", "-o",
                 "-k %s -c listen_addresses='' -p 5432" % base, "start"])
        as_user(["createdb", "-h", base, "-p", "5432", "-U", "postgres", "ttrss"])
        as_user(["psql", "-h", base, "-p", "5432", "-U", "postgres", "-d", "ttrss", "-q",
                 "-v", "ON_ERROR_STOP=1", "-f", SCHEMA])
        psql(base, SEED)
        seed_articles(base, link_base)
        psql(base, "update ttrss_users set pwd_hash = 'SHA1:%s' where login = 'admin';"
             % hashlib.sha1(password.encode()).hexdigest())

        port = free_port()
        shutil.copytree(WEBROOT, base + "/www", symlinks=True)
        # The package's relative links (libraries elsewhere under /usr/share) point
        # nowhere from the copy: they are made absolute.
        for folder, dirs, files in os.walk(base + "/www"):
            for name in dirs + files:
                path = os.path.join(folder, name)
                if os.path.islink(path) and not os.path.isabs(os.readlink(path)):
                    original = os.path.join(WEBROOT, os.path.relpath(folder, base + "/www"))
                    target = os.path.normpath(os.path.join(original, os.readlink(path)))
                    os.remove(path)
                    os.symlink(target, path)
        os.remove(base + "/www/config.php")
        os.remove(base + "/www/feed-icons")
        with open(base + "/www/config.php", "w") as config:
            config.write(CONFIG.format(base=base, port=port))
        for folder in ("lock", "cache", "cache/images", "cache/upload", "cache/export",
                       "icons", "www/feed-icons"):
            os.makedirs(base + "/" + folder, exist_ok=True)
        subprocess.run(["chown", "-R", USER + ":" + USER, base], check=True)
        server = subprocess.Popen(["runuser", "-u", USER, "--", "php", "-S",
                                   "127.0.0.1:%d" % port, "-t", base + "/www"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 30
        while time.time() < deadline:
            try:
                socket.create_connection(("127.0.0.1", port), 1).close()
                break
            except OSError:
                time.sleep(0.1)
        print(port, flush=True)
        print(base, flush=True)
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
        sys.stdin.read()
    finally:
        if server:
            server.terminate()
            server.wait()
        subprocess.run(["runuser", "-u", USER, "--", PGBIN + "/pg_ctl", "-D", base + "/db",
                        "-m", "immediate", "stop"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        shutil.rmtree(base, ignore_errors=True)


if __name__ == "__main__":
    main()
