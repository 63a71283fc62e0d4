// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalSafeOutput.h"

#include <cstdio>
#include <cstring>

namespace kav::cli {

void TerminalSafeOutput::put(const char* text) {
    target_->sputn(text, static_cast<std::streamsize>(std::strlen(text)));
}

TerminalSafeOutput::int_type TerminalSafeOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
    char escape[16];
    if (leadPending_) {
        leadPending_ = false;
        if (byte >= 0x80 && byte <= 0x9F) { // U+0080..U+009F
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            put(escape);
            return c;
        }
        target_->sputc(static_cast<char>(0xC2));
    }
    if (byte == 0xC2) {
        leadPending_ = true;
        return c;
    }
    if ((byte < 0x20 && byte != '\n' && byte != '\t' && byte != '\r') || byte == 0x7F) {
        std::snprintf(escape, sizeof escape, "\\x%02x", byte);
        put(escape);
        return c;
    }
    return target_->sputc(static_cast<char>(byte)) == traits_type::eof() ? traits_type::eof() : c;
}

int TerminalSafeOutput::sync() {
    if (leadPending_) {
        leadPending_ = false;
        target_->sputc(static_cast<char>(0xC2));
    }
    return target_->pubsync();
}

} // namespace kav::cli
