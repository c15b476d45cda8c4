#include "display/wheel/aspect_hover.h"

#include <algorithm>
#include <vector>
#include <wx/intl.h>

#include "display/wheel/wheel_hit_test.h"

namespace {

constexpr const char* kSeparator = " | ";

wxString Name(ObjectId id)
{
    return wxGetTranslation(wxString::FromUTF8(GetIdName(id)));
}

wxString Abbreviation(ObjectId id)
{
    return wxGetTranslation(wxString::FromUTF8(GetIdAbbreviation(id)));
}

void CutTrailingSeparator(wxString* text)
{
    if (text->EndsWith(kSeparator))
        text->RemoveLast(3);
}

} // namespace

void OrderAspectPoints(const AspectRecord& record, ChartModeFlags mode, ObjectId* first, ObjectId* second)
{
    bool bFirst = false;
    if (record.aspect == ids::kDisposits)
        // A dispositor record runs from the point to its ruler, and the
        // sentence reads "<ruler> Disposits <point>": the ruler is named
        // first, never ordered by identifier.
        bFirst = true;
    else if ((mode & kChartTransits) != 0)
        bFirst = true;
    else if (IsSingleWheel(mode))
        bFirst = record.pointB < record.pointA;
    *first = bFirst ? record.pointB : record.pointA;
    *second = bFirst ? record.pointA : record.pointB;
}

wxString ChooseNearAspectsStatus(const wxString& longText, const wxString& shortText, int nearCount)
{
    if (longText.length() <= kStatusTextLimit)
        return longText;
    if (shortText.length() <= kStatusTextLimit)
        return shortText;
    return wxString::Format(wxGetTranslation("%d aspects near mouse"), nearCount);
}

NearAspects FindAspectsNearPointer(const AspectRecord* records, int count, const AspectPatternArray& patterns,
                                   ChartModeFlags mode, int x, int y, uint8_t* selection)
{
    NearAspects result;
    std::fill(selection, selection + count, uint8_t(0));
    std::vector<uint8_t> listed(patterns.GetCount(), 0);
    const bool configurationsView = (mode & kViewPatterns) != 0;
    wxString shortText;
    wxString longText;

    for (int r = 0; r < count; ++r) {
        const AspectRecord& rec = records[r];
        if (DistanceToAspectLine(rec.x1, rec.y1, rec.x2, rec.y2, x, y) > kAspectNearDistance)
            continue;
        if (!configurationsView) {
            ObjectId first = 0;
            ObjectId second = 0;
            OrderAspectPoints(rec, mode, &first, &second);
            shortText += Abbreviation(first) + " " + Abbreviation(rec.aspect) + " " + Abbreviation(second) +
                         kSeparator;
            longText += Name(first) + " " + Name(rec.aspect) + " " + Name(second) + kSeparator;
            selection[r] = 1;
            ++result.count;
            continue;
        }
        for (int p : rec.configurations) {
            if (p < 0 || p >= patterns.GetCount())
                continue;
            for (int other = 0; other < count; ++other) {
                const std::vector<int>& list = records[other].configurations;
                if (!selection[other] && std::find(list.begin(), list.end(), p) != list.end()) {
                    selection[other] = 1;
                    ++result.count;
                }
            }
            if (!listed[p]) {
                listed[p] = 1;
                shortText += Abbreviation(patterns[p].configuration) + kSeparator;
                longText += Name(patterns[p].configuration) + kSeparator;
            }
        }
    }

    CutTrailingSeparator(&shortText);
    CutTrailingSeparator(&longText);
    longText.Replace("Conjunction", "Conjunct");
    longText.Replace("Opposition", "Opposing");
    if (result.count > 0)
        result.status = ChooseNearAspectsStatus(longText, shortText, result.count);
    return result;
}
