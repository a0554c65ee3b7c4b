// The chart picture commands of the main window's "more" menu: print the
// chart, preview it before printing, and save it as a PDF, SVG or PNG.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QAction;
class QPrinter;

namespace kinmora {

class ChartPicture;
class MainWindow;

class PictureCommands : public QObject {
    Q_OBJECT

public:
    // Adds a separator and the three commands to `window`'s "more" menu;
    // each enables itself when the menu opens and a chart is shown.
    explicit PictureCommands(MainWindow& window);
    ~PictureCommands() override;

    QAction* printAction() const { return m_print; }
    QAction* previewAction() const { return m_preview; }
    QAction* saveAction() const { return m_save; }

    // The three commands with their dialogs: the system print dialog, the
    // preview, and the save dialog.
    void print();
    void preview();
    void save();

    // Prints the chart shown on `printer`: at full size, over as many pages as
    // it needs. Shows what went wrong in a message box and returns false.
    bool printTo(QPrinter& printer);
    // Saves the chart shown as `path`, its type taken from the extension
    // (.pdf one page, .svg, .png at 150 dpi). Shows what went wrong in a
    // message box and returns false.
    bool saveTo(const QString& path);

private:
    // The picture of the chart the window shows, drawn afresh from the open
    // file; null, after a message, when it cannot be.
    std::unique_ptr<ChartPicture> pictureOfShownChart();
    void updateEnabled();
    void showError(const QString& what, const std::exception& error);

    MainWindow& m_window;
    QAction* m_print = nullptr;
    QAction* m_preview = nullptr;
    QAction* m_save = nullptr;
};

}  // namespace kinmora
