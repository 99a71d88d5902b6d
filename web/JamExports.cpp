// What the page asks of the program to share a jam: the link, the jam's length, its file, and
// whether a jam opened from a link is still replaying.
#include "app/Session.h"

#include <emscripten.h>

#include <string>

/// A link to `page` carrying the jam (from the page's start or the last clear of the field).
extern "C" EMSCRIPTEN_KEEPALIVE const char* quillomerJamLink(const char* page) {
    static std::string link;
    Session* session = Session::sharing();
    link = session ? session->jamLink(page) : "";
    return link.c_str();
}

/// How many milliseconds the jam lasts.
extern "C" EMSCRIPTEN_KEEPALIVE unsigned quillomerJamMilliseconds() {
    Session* session = Session::sharing();
    return session ? session->jamMilliseconds() : 0;
}

/// Writes the jam as a recording file at `path`; the reason it could not, or "".
extern "C" EMSCRIPTEN_KEEPALIVE const char* quillomerWriteJam(const char* path) {
    static std::string reason;
    Session* session = Session::sharing();
    reason = session ? "" : "no jam is kept";
    if (session && !session->writeJam(path, reason))
        return reason.c_str();
    return reason.c_str();
}

/// 1 while a jam opened from a link is replaying, 0 once the player has the field.
extern "C" EMSCRIPTEN_KEEPALIVE int quillomerReplaying() {
    Session* session = Session::sharing();
    return session && session->replaying() ? 1 : 0;
}
