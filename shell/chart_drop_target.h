// Chart files dropped on the wheel or the information panel: the first goes
// into the native chart, the second into the partner chart, the third into
// the transit chart (two files in the natal-with-transits view: native and
// transit). One file that is no chart file refuses the whole drop.
#pragma once

#include <wx/dnd.h>

class OrbivantFrame;

class CChartDropTarget : public wxFileDropTarget {
public:
    /// The frame is not owned; the window the target is set on owns it.
    explicit CChartDropTarget(OrbivantFrame* frame);
    ~CChartDropTarget() override;

    /// Checks every file without a word and returns at once; the message or
    /// the loads follow once the drop has finished, so that the drag source
    /// is not kept waiting behind a message box.
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& fileNames) override;

private:
    OrbivantFrame* m_frame;
};
