#pragma once
// Drives Qt's own file choosers as a user does: types a text into the name
// box of the chooser on show and presses Return; a chooser that stays open
// gets the next text, and one with nothing left to type is cancelled. Every
// message box shown meanwhile, the chooser's or the program's, is kept with
// the format it reads its text in, and answered.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <vector>

namespace veltrane::test {

class TypedChooser {
public:
    struct Box {
        QString text;
        Qt::TextFormat format;
    };

    explicit TypedChooser(QStringList texts) : texts_(std::move(texts))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // Where the chooser is shown first, and which of its filters; the
    // texts are typed once its list shows listed entries.
    QString folder;
    int filter = -1;
    int listed = 0;
    // The button that answers a question (Yes, No); a box without it is
    // closed.
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    std::vector<Box> boxes;
    QStringList texts() const
    {
        QStringList t;
        for (const Box& b : boxes)
            t << b.text;
        return t;
    }
    bool allPlain() const
    {
        for (const Box& b : boxes)
            if (b.format != Qt::PlainText)
                return false;
        return true;
    }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            boxes.push_back({box->text(), box->textFormat()});
            if (QAbstractButton* b = box->button(answer))
                b->click();
            else
                box->close();
            return;
        }
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        if (!chooser || typing_)
            return;
        if (chooser != seen_) {
            seen_ = chooser;
            if (!folder.isEmpty())
                chooser->setDirectory(folder);
            if (filter >= 0)
                chooser->selectNameFilter(chooser->nameFilters().at(filter));
        }
        // The list must show the files before the names are typed: the
        // chooser selects the typed names it lists.
        auto* list = chooser->findChild<QAbstractItemView*>("listView");
        if (listed > 0 && (!list || list->model()->rowCount(list->rootIndex()) != listed))
            return;
        auto* nameBox = chooser->findChild<QLineEdit*>("fileNameEdit");
        if (texts_.isEmpty() || !nameBox) {
            chooser->reject();
            return;
        }
        // Typed outside this timer's slot: a box that the Return opens runs
        // its own loop, in which this timer must fire to answer it.
        typing_ = true;
        QTimer::singleShot(0, nameBox, [this, nameBox, text = texts_.takeFirst()] {
            nameBox->setFocus();
            nameBox->clear();
            QTest::keyClicks(nameBox, text);
            // The list of completions that typing may open takes a first
            // Return for itself; the user's first Return closes it.
            if (QCompleter* c = nameBox->completer(); c && c->popup() && c->popup()->isVisible())
                c->popup()->hide();
            QTest::keyClick(nameBox, Qt::Key_Return);
            typing_ = false;
        });
    }

    QStringList texts_;
    QTimer timer_;
    QPointer<QFileDialog> seen_;
    bool typing_ = false;
};

}  // namespace veltrane::test
