#pragma once
// The platform seam on Qt: QMessageBox, QFileDialog, QClipboard, QPrinter
// and the help window.

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <memory>

#include "platform/Platform.h"
#include "platform/qt/GuiServices.h"

namespace veltrane {

class QtPlatform final : public Platform, public GuiServices {
public:
    QtPlatform();
    ~QtPlatform() override;

    BoxAnswer message(const MessageRequest& request) override;
    std::vector<std::string> chooseOpenFiles(const OpenFileRequest& request) override;
    std::optional<std::string> chooseSaveFile(const SaveFileRequest& request) override;
    void showHelp(const std::string& keyword) override;
    void beep() override;
    std::string dateText() override;
    std::string dateTimeText() override;
    void setClipboardText(const std::string& utf8) override;
    char decimalSeparator() const override;

    void setClipboardImage(const QImage& image) override;
    QPrinter& printer() override;
    bool setupPrinter(QWidget* parent) override;
    std::vector<std::string> printerNames() override;

    // The folder of the help pages, one "<keyword>.html" per topic.
    void setHelpFolder(const QString& folder) { helpFolder_ = folder; }
    QTextBrowser* helpWindow() const { return help_; }

private:
    std::unique_ptr<QPrinter> printer_;
    QPointer<QTextBrowser> help_;
    QString helpFolder_;
};

}  // namespace veltrane
