#include "shell/chart_drop_target.h"

#include <utility>
#include <vector>

#include <wx/msgdlg.h>

#include "files/chart_file_io.h"
#include "shell/orbivant_frame.h"

CChartDropTarget::CChartDropTarget(OrbivantFrame* frame) : m_frame(frame) {}

CChartDropTarget::~CChartDropTarget() = default;

bool CChartDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& fileNames)
{
    m_frame->Raise();
    const CChartFileIO& files = m_frame->GetFileIO();
    for (const wxString& name : fileNames) {
        if (!files.CheckChartHeader(nullptr, name, false) && !files.CheckAstrologHeader(nullptr, name, false)) {
            OrbivantFrame* frame = m_frame;
            m_frame->CallAfter([frame] {
                wxMessageBox("Not all files dropped are valid data files\nPlease select different files and try "
                             "again.",
                             "Message", wxOK | wxICON_ERROR | wxCENTRE, frame);
            });
            return false;
        }
    }

    std::vector<std::pair<ChartSlot, wxString>> loads;
    if (fileNames.size() == 2 && m_frame->GetChartType() == kChartTransits) {
        loads = {{kSlotNative, fileNames[0]}, {kSlotTransit, fileNames[1]}};
    } else {
        const ChartSlot slots[] = {kSlotNative, kSlotPartner, kSlotTransit};
        for (size_t i = 0; i < fileNames.size() && i < 3; ++i)
            loads.emplace_back(slots[i], fileNames[i]);
    }
    OrbivantFrame* frame = m_frame;
    m_frame->CallAfter([frame, loads] {
        for (const auto& load : loads)
            frame->GetFileIO().LoadChartFile(*frame, load.first, load.second);
    });
    return true;
}
