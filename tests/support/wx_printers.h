// How GoogleTest prints the toolkit's points, sizes and rectangles in a
// failed check: "(0, 80)" rather than the bytes of the object.
#pragma once

#include <ostream>

#include <wx/gdicmn.h>

// In the namespace of the printed types, where GoogleTest looks for them.
inline void PrintTo(const wxPoint& p, std::ostream* os) { *os << '(' << p.x << ", " << p.y << ')'; }

inline void PrintTo(const wxSize& s, std::ostream* os) { *os << s.x << 'x' << s.y; }

inline void PrintTo(const wxRect& r, std::ostream* os)
{
    *os << '(' << r.x << ", " << r.y << ") " << r.width << 'x' << r.height;
}
