// Page 4 and the point page's aspects: the sorted, filtered aspect rows.
#include "display/panel/info_pages.h"
#include "engine/object_ids.h"

using namespace info_page;

namespace {

wxString RowText(const InfoPanelState& state, const AspectRecord& r, ObjectId selection)
{
    const auto pair = OrientPair(r, selection);
    if (r.aspect == ids::kDisposits)
        return wxString::Format("/s2//g%d//g%d//g%d/", pair.first, ids::kDisposits, pair.second);
    // Natal with transits: the transit point is written first.
    const bool transits = (state.chartMode & kChartTransits) != 0;
    const ObjectId left = transits ? pair.second : pair.first;
    const ObjectId right = transits ? pair.first : pair.second;
    return wxString::Format(wxString::FromUTF8("/s2//g%d//g%d//g%d//r//s1/Orb: %4.2f\xC2\xB0"), left, r.aspect, right,
                            r.orb);
}

} // namespace

PageReport DrawAspectListPage(PanelWriter& out, const InfoPanelState& state, int w, int h, ObjectId selection,
                              AspectListMode mode, bool fullPage, int top, int bottom)
{
    const int T = state.textSize;
    if (fullPage)
        out.SetArea(10, 10, w, h);
    out.WriteText((mode & kListFound) ? "Aspects Found\n" : "Aspects\n", White(), 14, true, kAlignCentre,
                  PanelFont::Swiss);
    out.NewLine(T);

    const bool band = top != -1 || bottom != -1;
    // Rows outside the visible band advance by the height a drawn row of the
    // same kind takes, measured once, so the page keeps its height whatever
    // the fonts measure.
    int rowHeight[2] = {-1, -1};
    auto heightOf = [&](const AspectRecord& r) {
        int& cached = rowHeight[r.aspect == ids::kDisposits ? 1 : 0];
        if (cached < 0)
            cached = out.MeasureMarkupHeight(RowText(state, r, selection), 2);
        return cached;
    };
    const int nominalRow = T / 2 + 2 * T;

    const int count = state.AspectCount();
    for (int i = 0; i < count; ++i) {
        const int index = state.order[i];
        if (!IsAspectListed(state, index, selection, mode))
            continue;
        const AspectRecord& r = state.aspects[index];
        const int y = out.GetY();
        if (band && (y < top - nominalRow || y > bottom + nominalRow)) {
            out.NewLine(heightOf(r));
            continue;
        }
        const wxString text = RowText(state, r, selection);
        if (r.aspect == ids::kDisposits)
            out.DrawMarkupText(White(), 2, kAlignCentre, true, text);
        else
            out.DrawMarkupText(White(), 2, kAlignLeft, true, text);
    }
    if (fullPage)
        out.NewLine(T);
    return {out.GetY(), wxString()};
}
