// Windows-1252 for the export files on systems without the Windows code pages.
#include <iconv.h>

#include <cerrno>
#include <memory>

#include "core/error.h"
#include "export/ansi_encoder.h"

namespace crv {
namespace {

struct Iconv {
    iconv_t cd;
    explicit Iconv(iconv_t c) : cd(c) {}
    ~Iconv() { iconv_close(cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
};

// Length of the UTF-8 sequence a lead byte starts (1 for a stray byte).
std::size_t Sequence_Length(unsigned char b) {
    if (b >= 0xF0 && b < 0xF8) return 4;
    if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
    if (b >= 0xC0) return 2;
    return 1;
}

// Converts a run of non-ASCII UTF-8 and appends it.
void Convert_Run(iconv_t cd, std::string_view run, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(run.data());
    std::size_t in_left = run.size();
    const std::size_t start = out.size();
    std::size_t done = start;
    out.resize(start + run.size() + 16);  // never more bytes than UTF-8 has
    while (in_left > 0) {
        char* dst = out.data() + done;
        std::size_t dst_left = out.size() - done;
        std::size_t r = iconv(cd, &in, &in_left, &dst, &dst_left);
        done = static_cast<std::size_t>(dst - out.data());
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        // Unmappable, invalid or cut-off sequence: the code page's
        // replacement stands for it, and the rest follows.
        if (done == out.size()) out.resize(out.size() * 2);
        out[done++] = '?';
        std::size_t skip = Sequence_Length(static_cast<unsigned char>(*in));
        // A sequence that is not well formed gives up only its first byte.
        for (std::size_t k = 1; k < skip; ++k)
            if (k >= in_left || (static_cast<unsigned char>(in[k]) & 0xC0) != 0x80) {
                skip = 1;
                break;
            }
        in += skip;
        in_left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(done);
}

}  // namespace

Ansi_Encoder Cp1252_Encoder() {
    iconv_t cd = iconv_open("CP1252", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return [](std::string_view, std::string&) {
            Set_Error(5, "The Windows-1252 conversion is not available.");
            return false;
        };
    }
    auto state = std::make_shared<Iconv>(cd);
    return [state](std::string_view utf8, std::string& out) {
        out.reserve(out.size() + utf8.size());
        std::size_t at = 0;
        while (at < utf8.size()) {
            // ASCII is the same in the code page: copy it through, and hand
            // iconv only the runs that are not.
            std::size_t end = at;
            while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80) ++end;
            out.append(utf8.data() + at, end - at);
            at = end;
            while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) >= 0x80) ++end;
            if (end > at) Convert_Run(state->cd, utf8.substr(at, end - at), out);
            at = end;
        }
        return true;
    };
}

}  // namespace crv
