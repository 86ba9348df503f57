#pragma once
#include <QObject>

namespace torvane {

class GuideViewer;

// F1 in a dialog opens that dialog's section of the guide. The main window
// and project windows keep F1 as their Help Topics shortcut.
class DialogHelpKey : public QObject {
public:
    explicit DialogHelpKey(const GuideViewer& viewer, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const GuideViewer& viewer_;
};

} // namespace torvane
