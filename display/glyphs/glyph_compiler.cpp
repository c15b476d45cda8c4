#include "display/glyphs/glyph_compiler.h"

#include <cctype>

#include <wx/msgdlg.h>
#include <wx/string.h>

namespace {

// Shared by every table: at most five boxes in one run of the program.
constexpr int kMaxReportedErrors = 5;
int g_reportedErrors = 0;

bool StepOf(char letter, int32_t& sx, int32_t& sy)
{
    switch (letter) {
    case 'U': sx = 0; sy = -1; return true;
    case 'D': sx = 0; sy = 1; return true;
    case 'L': sx = -1; sy = 0; return true;
    case 'R': sx = 1; sy = 0; return true;
    case 'E': sx = 1; sy = -1; return true;
    case 'F': sx = 1; sy = 1; return true;
    case 'G': sx = -1; sy = 1; return true;
    case 'H': sx = -1; sy = -1; return true;
    default: return false;
    }
}

} // namespace

void CompiledGlyph::Clear()
{
    dx.clear();
    dy.clear();
    flags.clear();
}

int32_t ParseGlyphCount(const std::string& text, size_t& position)
{
    if (position >= text.size() || !std::isdigit(static_cast<unsigned char>(text[position])))
        return 1;
    int32_t count = 0;
    while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position]))) {
        count = count * 10 + (text[position] - '0');
        if (count > kMaxGlyphCount)
            count = kMaxGlyphCount;
        ++position;
    }
    return count;
}

void CompileGlyph(const std::string& text, CompiledGlyph& glyph, const GlyphErrorHandler& onError)
{
    glyph.Clear();
    if (text.empty()) {
        glyph.dx.push_back(0);
        glyph.dy.push_back(0);
        glyph.flags.push_back(kGlyphEmpty);
        return;
    }
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    int32_t pending = 0;
    size_t pos = 0;
    while (pos < upper.size()) {
        const char c = upper[pos];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos;
            continue;
        }
        if (c == 'B') {
            pending |= kGlyphMove;
            ++pos;
            continue;
        }
        if (c == 'N') {
            pending |= kGlyphReturn;
            ++pos;
            continue;
        }
        int32_t sx = 0;
        int32_t sy = 0;
        if (!StepOf(c, sx, sy) && onError)
            onError(upper, static_cast<int>(pos), c);
        ++pos;
        const int32_t count = ParseGlyphCount(upper, pos);
        glyph.dx.push_back(sx * count);
        glyph.dy.push_back(sy * count);
        glyph.flags.push_back(pending);
        pending = 0;
    }
}

wxString FormatGlyphError(const std::string& upperText, int position, char ch)
{
    // A text that is not valid UTF-8 is shown byte for byte instead of vanishing.
    wxString text = wxString::FromUTF8(upperText.c_str());
    if (text.empty() && !upperText.empty())
        text = wxString::From8BitData(upperText.c_str());
    // The character goes in as a wide one: a narrow byte above 127 trips the
    // class library's multibyte conversion.
    const wchar_t wide = static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return wxString::Format("ERROR compiling glyph \"%s\" (position %d: %c)", text, position, wide);
}

void ReportGlyphError(const std::string& upperText, int position, char ch)
{
    if (g_reportedErrors >= kMaxReportedErrors)
        return;
    ++g_reportedErrors;
    wxMessageBox(FormatGlyphError(upperText, position, ch), "Message", wxOK | wxCENTRE, nullptr);
}

int GlyphErrorsReported() { return g_reportedErrors; }
