#include "replay.h"

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>

std::string FormatReplay(const Replay& r) {
    std::ostringstream o;
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016" PRIx64, r.digest);
    o << "morvane replay 1\n"
      << "stage " << r.stage << "\nhero " << r.hero << "\nrule " << r.rule << "\nseed " << r.seed << "\nframes "
      << r.keys.size() << "\nhp " << r.hp << "\ndigest " << digest << "\nkeys\n";
    size_t column = 0;
    for (size_t i = 0; i < r.keys.size();) {
        size_t n = 1;
        while (i + n < r.keys.size() && r.keys[i + n] == r.keys[i]) ++n;
        char run[24];
        std::snprintf(run, sizeof run, "%zu*%x", n, r.keys[i]);
        const size_t len = std::char_traits<char>::length(run);
        if (column != 0 && column + 1 + len > 78) {
            o << '\n';
            column = 0;
        }
        if (column != 0) {
            o << ' ';
            ++column;
        }
        o << run;
        column += len;
        i += n;
    }
    o << "\nend\n";
    return o.str();
}

bool ParseReplay(const std::string& text, Replay* out, std::string* error) {
    std::istringstream in(text);
    std::string word;
    auto fail = [&](const std::string& why) {
        *error = why;
        return false;
    };
    std::string magic, version;
    if (!(in >> magic >> word >> version) || magic != "morvane" || word != "replay" || version != "1")
        return fail("not a replay (no \"morvane replay 1\" line)");
    Replay r;
    size_t frames = 0;
    std::string digest;
    if (!(in >> word) || word != "stage" || !(in >> r.stage) || r.stage < 1 || r.stage > 50) return fail("bad stage");
    if (!(in >> word) || word != "hero" || !(in >> r.hero)) return fail("bad hero");
    if (!(in >> word) || word != "rule" || !(in >> r.rule) || (r.rule != 'a' && r.rule != 'b')) return fail("bad rule");
    if (!(in >> word) || word != "seed" || !(in >> r.seed)) return fail("bad seed");
    if (!(in >> word) || word != "frames" || !(in >> frames) || frames == 0 || frames > 1000000)
        return fail("bad frame count");
    if (!(in >> word) || word != "hp" || !(in >> r.hp)) return fail("bad hp");
    if (!(in >> word) || word != "digest" || !(in >> digest) || digest.size() != 16) return fail("bad digest");
    char* endp = nullptr;
    r.digest = std::strtoull(digest.c_str(), &endp, 16);
    if (*endp != '\0') return fail("bad digest");
    if (!(in >> word) || word != "keys") return fail("no keys");
    while (in >> word && word != "end") {
        size_t star = word.find('*');
        if (star == std::string::npos || star == 0) return fail("bad key run \"" + word + "\"");
        char* e1 = nullptr;
        char* e2 = nullptr;
        const unsigned long n = std::strtoul(word.c_str(), &e1, 10);
        const unsigned long mask = std::strtoul(word.c_str() + star + 1, &e2, 16);
        if (e1 != word.c_str() + star || *e2 != '\0' || star + 1 == word.size() || n == 0 || mask > 0xFF ||
            n > frames - r.keys.size())
            return fail("bad key run \"" + word + "\"");
        r.keys.insert(r.keys.end(), n, static_cast<uint8_t>(mask));
    }
    if (word != "end") return fail("no end line");
    if (r.keys.size() != frames) return fail("the key runs do not add up to the frame count");
    *out = r;
    return true;
}

bool ReadReplayFile(const std::string& path, Replay* out, std::string* error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        *error = "cannot read " + path;
        return false;
    }
    std::ostringstream s;
    s << f.rdbuf();
    if (s.str().size() > (1u << 20)) {
        *error = path + " is too large for a replay";
        return false;
    }
    return ParseReplay(s.str(), out, error);
}

bool WriteReplayFile(const std::string& path, const Replay& r) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << FormatReplay(r);
    return static_cast<bool>(f);
}

std::string ReplayFileName(int32_t stage, const std::string& hero, char rule) {
    char name[64];
    std::snprintf(name, sizeof name, "stage%02d-%s-%c.replay", stage, hero.c_str(), rule);
    return name;
}
