#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <string>
#include <vector>

// Answers the program's message boxes while a test runs: a box that becomes the active
// modal window is recorded and closed with its OK button (a question with the chosen
// answer), so code that shows one does not wait for a user.
class ModalBoxCatcher {
public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };

    ModalBoxCatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(5);
    }

    const std::vector<Box>& boxes() const { return boxes_; }
    // The texts in the order shown, UTF-8.
    std::vector<std::string> texts() const {
        std::vector<std::string> texts;
        for (const Box& box : boxes_)
            texts.push_back(box.text.toStdString());
        return texts;
    }
    void clear() { boxes_.clear(); }
    void answerQuestionsWith(QMessageBox::StandardButton answer) { answer_ = answer; }

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (QAbstractButton* button = box->button(answer_))
            button->click();
        else
            box->accept();
    }

    QTimer timer_;
    std::vector<Box> boxes_;
    QMessageBox::StandardButton answer_ = QMessageBox::No;
};
