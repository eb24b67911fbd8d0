#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

// Answers the next modal dialog of type Dialog as a user would: once it is the active modal
// window, `answer` fills it in and accepts or rejects it. answered() tells whether one came.
template <typename Dialog> class NextDialog {
public:
    explicit NextDialog(std::function<void(Dialog&)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer_.stop();
            answered_ = true;
            answer_(*dialog);
        });
        timer_.start(5);
    }

    bool answered() const { return answered_; }

private:
    std::function<void(Dialog&)> answer_;
    QTimer timer_;
    bool answered_ = false;
};
