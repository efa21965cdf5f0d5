#pragma once

#include <QApplication>
#include <functional>

namespace biorhythm::ui {

class Platform;

// The program's application object. An exception that escapes an event
// handler is the last resort's: it is turned into a Chinese report handed to
// the error handler, since Qt cannot let exceptions pass its event loop.
class Application : public QApplication {
public:
    using ErrorHandler = std::function<void(const QString& report)>;

    using QApplication::QApplication;

    // Names, version, Chinese locale and Qt's own Chinese texts.
    void setUpForChinese();
    void setUnexpectedErrorHandler(ErrorHandler handler) {
        onUnexpectedError_ = std::move(handler);
    }
    // The program's handler: the report in an error box, then the program ends
    // with a non-zero status.
    void reportUnexpectedErrorsThrough(Platform& platform);

    bool notify(QObject* receiver, QEvent* event) override;

    // The report shown for an unexpected error whose description is `what`.
    static QString unexpectedErrorReport(const QString& what);

private:
    void reportUnexpected(const QString& what);

    ErrorHandler onUnexpectedError_;
    bool reporting_ = false;
};

}  // namespace biorhythm::ui
