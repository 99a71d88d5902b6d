#include "input/InputRecording.h"

#include "io/Base64Url.h"
#include "io/ByteReader.h"
#include "io/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr char MAGIC[4] = {'Q', 'R', 'E', 'C'};
/// A link longer than this holds more than any recording the limits allow.
constexpr size_t MAX_LINK_LENGTH = 64 * 1024 * 1024;

bool isRecordedType(Uint32 type) {
    switch (type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}
} // namespace

bool InputRecording::isRecorded(const SDL_Event& event) {
    return isRecordedType(event.type);
}

Uint32 InputRecording::firstTicks() const {
    const auto first = std::find_if(entries.begin(), entries.end(), Entry::isReading);
    return first == entries.end() ? 0 : first->ticks;
}

Uint32 InputRecording::finalTicks() const {
    const auto last = std::find_if(entries.rbegin(), entries.rend(), Entry::isReading);
    return last == entries.rend() ? 0 : last->ticks;
}

bool InputRecording::decode(const std::vector<uint8_t>& bytes, InputRecording& recording,
                            std::string& reason) {
    if (bytes.size() < 8 || std::memcmp(bytes.data(), MAGIC, 4) != 0) {
        reason = "it is not a Quillomer recording";
        return false;
    }
    ByteReader in(bytes.data(), bytes.size());
    in.u32();
    const uint32_t version = in.u32();
    if (version == FIRST_VERSION)
        return decodeFirstVersion(bytes, recording, reason);
    if (version == VERSION)
        return decodeCompact(bytes, recording, reason);
    reason = "it is a recording of version " + std::to_string(version) +
             ", this program reads versions " + std::to_string(FIRST_VERSION) + " and " +
             std::to_string(VERSION);
    return false;
}

std::string InputRecording::link(const std::string& page) const {
    return page + LINK_MARK + Base64Url::encode(encode());
}

bool InputRecording::decodeLink(const std::string& text, InputRecording& recording,
                                std::string& reason) {
    const size_t mark = text.find(LINK_MARK);
    if (mark == std::string::npos) {
        reason = std::string("it holds no ") + LINK_MARK;
        return false;
    }
    // The link ends at the first character no link holds (a line break after a pasted one).
    const size_t start = mark + std::strlen(LINK_MARK);
    const size_t end = text.find_first_of(" \t\r\n&", start);
    const std::string code = text.substr(start, end == std::string::npos ? end : end - start);
    std::vector<uint8_t> bytes;
    if (code.size() > MAX_LINK_LENGTH || !Base64Url::decode(code, bytes)) {
        reason = "its jam is not written as a link writes one (damaged or cut short)";
        return false;
    }
    return decode(bytes, recording, reason);
}

std::string InputRecording::nameOf(const std::string& fileOrLink) {
    return fileOrLink.find(LINK_MARK) != std::string::npos ? "the link" : fileOrLink;
}

bool InputRecording::load(const std::string& fileOrLink, InputRecording& recording,
                          std::string& reason) {
    const std::string name = nameOf(fileOrLink);
    const bool isLink = name != fileOrLink;
    std::vector<uint8_t> bytes;
    if (!isLink) {
        const FileHandle file = openFile(fileOrLink, "rb");
        if (!file || !readToEnd(file.get(), bytes)) {
            reason = "cannot read " + fileOrLink + ": " + std::strerror(errno);
            return false;
        }
    }
    const std::string text(bytes.begin(), bytes.end());
    const bool decoded = isLink ? decodeLink(fileOrLink, recording, reason)
                         : text.find(LINK_MARK) != std::string::npos && text.rfind("QREC", 0) != 0
                             ? decodeLink(text, recording, reason)
                             : decode(bytes, recording, reason);
    if (!decoded)
        reason = "cannot replay " + name + ": " + reason;
    return decoded;
}
