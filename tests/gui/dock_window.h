// Dock windows for the window tests: panels that reserve an edge of the
// screen, so that the window manager's work area is smaller than the screen.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <wx/gdicmn.h>

namespace ov_test {

/// One reserved edge: "top", "bottom", "left" or "right", and its thickness.
struct DockEdge {
    std::string edge;
    int pixels;
};

/// Reads docks written as "top:80" or "right:120,top:40"; false on anything
/// else.
bool ParseDockEdges(const std::string& text, std::vector<DockEdge>* docks);

/// What docks on the given edges leave free of a screen: the most a window
/// manager's work area may be beside them.
wxRect AreaBesideDocks(wxRect screen, const std::vector<DockEdge>& docks);

/// Dock windows, one per edge, on the test's own connection to the X server:
/// each is of the dock window type and reserves its edge, as a desktop
/// panel does. They close with this object.
class DockWindows {
public:
    explicit DockWindows(const std::vector<DockEdge>& docks);
    ~DockWindows();
    DockWindows(const DockWindows&) = delete;
    DockWindows& operator=(const DockWindows&) = delete;

    /// False when there was no X display to put them on.
    bool IsOpen() const;

private:
    struct Connection;
    std::unique_ptr<Connection> m_connection;
};

} // namespace ov_test
