#include "core/render/outline_path.h"

#include <cctype>
#include <cstdlib>

namespace {

// Numbers as GlyphFont writes them: integers, a minus sign or a space between them.
struct NumberReader {
    const std::string& text;
    size_t at;
    bool More() {
        while (at < text.size() && text[at] == ' ') ++at;
        return at < text.size() && (text[at] == '-' || std::isdigit(static_cast<unsigned char>(text[at])));
    }
    double Next() {
        More();
        const char* begin = text.c_str() + at;
        char* end = nullptr;
        const double value = std::strtod(begin, &end);
        at += size_t(end - begin);
        return value;
    }
};

}  // namespace

std::vector<OutlineSegment> OutlineSegments(const std::string& path_data) {
    std::vector<OutlineSegment> out;
    NumberReader numbers{path_data, 0};
    double x = 0, y = 0, start_x = 0, start_y = 0;
    while (numbers.at < path_data.size()) {
        const char command = path_data[numbers.at++];
        if (command == 'z' || command == 'Z') {
            out.push_back({OutlineSegment::Close});
            x = start_x;
            y = start_y;
            continue;
        }
        do {
            OutlineSegment s;
            switch (command) {
                case 'm':
                case 'l':
                    s.kind = command == 'm' ? OutlineSegment::Move : OutlineSegment::Line;
                    s.x = x + numbers.Next();
                    s.y = y + numbers.Next();
                    break;
                case 'h':
                    s.kind = OutlineSegment::Line;
                    s.x = x + numbers.Next();
                    s.y = y;
                    break;
                case 'v':
                    s.kind = OutlineSegment::Line;
                    s.x = x;
                    s.y = y + numbers.Next();
                    break;
                case 'q': {  // a quadratic curve is the cubic with controls 2/3 of the way to its control
                    const double qx = x + numbers.Next(), qy = y + numbers.Next();
                    s.kind = OutlineSegment::Cubic;
                    s.x = x + numbers.Next();
                    s.y = y + numbers.Next();
                    s.x1 = x + 2.0 / 3.0 * (qx - x);
                    s.y1 = y + 2.0 / 3.0 * (qy - y);
                    s.x2 = s.x + 2.0 / 3.0 * (qx - s.x);
                    s.y2 = s.y + 2.0 / 3.0 * (qy - s.y);
                    break;
                }
                case 'c':
                    s.kind = OutlineSegment::Cubic;
                    s.x1 = x + numbers.Next();
                    s.y1 = y + numbers.Next();
                    s.x2 = x + numbers.Next();
                    s.y2 = y + numbers.Next();
                    s.x = x + numbers.Next();
                    s.y = y + numbers.Next();
                    break;
                default:
                    return out;  // nothing else is written
            }
            out.push_back(s);
            x = s.x;
            y = s.y;
            if (s.kind == OutlineSegment::Move) {
                start_x = x;
                start_y = y;
            }
        } while (command != 'm' && numbers.More());
    }
    return out;
}
