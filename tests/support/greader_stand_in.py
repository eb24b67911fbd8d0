#!/usr/bin/env python3
"""A Google Reader API server on 127.0.0.1 for the tests and the benchmark.

It follows the protocol as FreshRSS and Miniflux document it: ClientLogin, token,
subscription/list, stream/contents (with xt=read, n, ot and continuation),
stream/items/ids, stream/items/contents, edit-tag and mark-all-as-read. The flavour
chooses their differences: FreshRSS serves the API under /api/greader.php, answers 503
when API access is off and gives item ids in their long form; Miniflux serves it at the
host's root, answers 401 when the Google Reader integration is off and gives ids in
their short, decimal form in stream contents as well.

Prints the port on the first line of standard output. Test-only control paths:
  GET  /_state           {"unread": [...], "requests": [...]}
  POST /_read?id=N       marks an item read, as another client would
  POST /_add?feed=F      adds an unread item to feed F (index), newest of all
  POST /_expire          every login session expires
  POST /_expire_token    every write token expires
"""
import argparse
import json
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

LONG = "tag:google.com,2005:reader/item/%016x"
READ = "user/-/state/com.google/read"
READING_LIST = "user/-/state/com.google/reading-list"


class State:
    def __init__(self, args):
        self.args = args
        self.lock = threading.Lock()
        self.feeds = [{"id": "feed/%d" % f, "title": "Feed %d" % f,
                       "htmlUrl": "http://127.0.0.1/site/%d" % f} for f in range(args.feeds)]
        self.items = {}
        self.unread = set()
        self.requests = []
        self.auth = set()
        self.tokens = set()
        now = int(time.time())
        for n in range(args.items):
            self.add(n % max(args.feeds, 1), now - args.items + n)

    def add(self, feed, published=None):
        item_id = 1000 + len(self.items)
        published = published or int(time.time()) + len(self.items)
        self.items[item_id] = {"feed": feed, "published": published,
                               "title": "Item %d & <more>" % item_id,
                               "link": "http://127.0.0.1/article/%d" % item_id,
                               "summary": "<p>Summary of %d</p>" % item_id}
        self.unread.add(item_id)
        return item_id

    def item_json(self, item_id):
        item = self.items[item_id]
        long_ids = self.args.flavour == "freshrss"
        return {"id": LONG % item_id if long_ids else str(item_id),
                "title": item["title"], "published": item["published"],
                "crawlTimeMsec": str(item["published"] * 1000),
                "canonical": [{"href": item["link"]}], "alternate": [{"href": item["link"]}],
                "summary": {"content": item["summary"]},
                "origin": {"streamId": self.feeds[item["feed"]]["id"]}}


def parse_id(text):
    if text.startswith("tag:google.com,2005:reader/item/"):
        return int(text.rsplit("/", 1)[1], 16)
    return int(text)


def make_handler(state, prefix):
    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *args):
            pass

        def answer(self, status, body, content_type="text/plain", headers=()):
            data = body.encode() if isinstance(body, str) else body
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(data)))
            for name, value in headers:
                self.send_header(name, value)
            self.end_headers()
            self.wfile.write(data)

        def json(self, value):
            self.answer(200, json.dumps(value), "application/json")

        def do_GET(self):
            self.handle_request(None)

        def do_POST(self):
            length = int(self.headers.get("Content-Length") or 0)
            self.handle_request(self.rfile.read(length).decode())

        def handle_request(self, body):
            url = urllib.parse.urlsplit(self.path)
            query = urllib.parse.parse_qs(url.query)
            form = urllib.parse.parse_qs(body or "")
            path = url.path
            with state.lock:
                if path.startswith("/_"):
                    return self.control(path, query)
                state.requests.append(path)
                if not path.startswith(prefix):
                    return self.answer(404, "Not Found")
                path = path[len(prefix):]
                if path == "/accounts/ClientLogin":
                    return self.login(form)
                if not path.startswith("/reader/api/0/"):
                    return self.answer(404, "Not Found")
                auth = self.headers.get("Authorization", "")
                if not auth.startswith("GoogleLogin auth=") or auth[17:] not in state.auth:
                    return self.answer(401, "Unauthorized!")
                self.api(path[len("/reader/api/0/"):], query, form)

        def login(self, form):
            if state.args.api_off:
                if state.args.flavour == "freshrss":
                    return self.answer(503, "Service Unavailable")
                return self.answer(401, "Unauthorized")
            if form.get("Email") != [state.args.user] or form.get("Passwd") != [state.args.password]:
                return self.answer(401, "Unauthorized!")
            auth = "%s/%d" % (state.args.user, len(state.auth) + 1)
            state.auth.add(auth)
            self.answer(200, "SID=%s\nLSID=null\nAuth=%s\n" % (auth, auth))

        def api(self, path, query, form):
            if path == "token":
                token = "T%d" % (len(state.tokens) + 1)
                state.tokens.add(token)
                return self.answer(200, token + "\n")
            if path == "subscription/list":
                return self.json({"subscriptions": state.feeds})
            if path.startswith("stream/contents"):
                return self.contents(query)
            if path == "stream/items/ids":
                ids = sorted(state.unread, key=lambda i: -state.items[i]["published"])
                return self.json({"itemRefs": [{"id": str(i)} for i in ids]})
            if path == "stream/items/contents":
                ids = [parse_id(i) for i in form.get("i", [])]
                return self.json({"items": [state.item_json(i) for i in ids if i in state.items]})
            if path in ("edit-tag", "mark-all-as-read"):
                if form.get("T", [""])[0] not in state.tokens:
                    return self.answer(401, "Unauthorized!", headers=[("X-Reader-Google-Bad-Token", "true")])
                if path == "edit-tag" and form.get("a") == [READ]:
                    for i in form.get("i", []):
                        state.unread.discard(parse_id(i))
                if path == "mark-all-as-read":
                    feed = next(f for f, v in enumerate(state.feeds) if v["id"] == form["s"][0])
                    state.unread -= {i for i in state.unread if state.items[i]["feed"] == feed}
                return self.answer(200, "OK")
            self.answer(400, "Bad Request")

        def contents(self, query):
            if query.get("xt") != [READ]:
                return self.answer(400, "Bad Request")
            n = int(query.get("n", ["20"])[0])
            since = int(query.get("ot", ["0"])[0])
            start = int(query.get("c", ["0"])[0])
            ids = sorted((i for i in state.unread if state.items[i]["published"] > since),
                         key=lambda i: -state.items[i]["published"])
            page = ids[start:start + n]
            result = {"id": READING_LIST, "items": [state.item_json(i) for i in page]}
            if start + n < len(ids):
                result["continuation"] = str(start + n)
            self.json(result)

        def control(self, path, query):
            if path == "/_state":
                return self.json({"unread": sorted(state.unread), "requests": state.requests})
            if path == "/_read":
                state.unread.discard(int(query["id"][0]))
            elif path == "/_add":
                return self.answer(200, str(state.add(int(query["feed"][0]))))
            elif path == "/_expire":
                state.auth.clear()
            elif path == "/_expire_token":
                state.tokens.clear()
            self.answer(200, "OK")

    return Handler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--flavour", choices=["freshrss", "miniflux"], default="freshrss")
    parser.add_argument("--feeds", type=int, default=2)
    parser.add_argument("--items", type=int, default=3)
    parser.add_argument("--user", default="alice")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--api-off", action="store_true")
    args = parser.parse_args()
    prefix = "/api/greader.php" if args.flavour == "freshrss" else ""
    server = ThreadingHTTPServer(("127.0.0.1", args.port), make_handler(State(args), prefix))
    print(server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
