#include "controls/DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "platform/Platform.h"

DialogButtons MakeDialogButtons(QDialog* dialog, const DialogButtonOptions& options)
{
    auto button = [dialog](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, dialog);
        if (name)
            b->setObjectName(name);
        return b;
    };
    DialogButtons r{};
    r.Ok = button(options.OkCaption, options.OkName);
    r.Ok->setDefault(true);
    r.Cancel = button(options.CancelCaption, options.CancelName);
    if (!options.CancelTakesEnter)
        r.Cancel->setAutoDefault(false);
    // The dialog's own accept and reject run: the slots are virtual.
    QObject::connect(r.Ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(r.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    if (options.HelpKeyword) {
        r.Help = button("&Help", "HelpBtn");
        r.Help->setAutoDefault(false);
        QObject::connect(r.Help, &QPushButton::clicked, dialog,
                         [keyword = options.HelpKeyword] { veltrane::platform().showHelp(keyword()); });
    }
    r.Row = new QHBoxLayout;
    r.Row->addStretch();
    for (QPushButton* b : {r.Ok, r.Cancel, r.Help})
        if (b)
            r.Row->addWidget(b);
    return r;
}

std::function<std::string()> HelpPage(const char* keyword)
{
    return [keyword] { return std::string(keyword); };
}
