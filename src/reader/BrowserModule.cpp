#include "reader/BrowserModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QSurfaceFormat>

// Exported by Qt GUI (its private API): the context every OpenGL context of the program
// shares resources with.
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The engine draws through contexts shared with the application's one shared context.
// Qt only makes that context at start, when asked before the application object exists;
// asking would load the OpenGL driver for the ticker alone. So it is made here, just before
// the engine is loaded, as Qt would have made it. Done before loading, the engine finds it
// in place and starts as in a program linked with it.
void provideSharedGlContext() {
    if (QOpenGLContext::globalShareContext())
        return;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

BrowserModule::BrowserModule(const QStringList& candidates) {
    QStringList reasons;
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile()) {
            reasons << QStringLiteral("%1: not found").arg(path);
            continue;
        }
        provideSharedGlContext();
        library_.setFileName(path);
        if (!library_.load()) {
            reasons << library_.errorString();
            continue;
        }
        create_ = reinterpret_cast<CreateWebViewFunction>(library_.resolve(kCreateWebViewSymbol));
        if (create_)
            return;
        reasons << QStringLiteral("%1: no entry point %2").arg(path, kCreateWebViewSymbol);
        library_.unload();
    }
    if (candidates.isEmpty())
        reasons << QStringLiteral("no place to look for %1").arg(kFileName);
    error_ = reasons.join(QLatin1Char('\n'));
}

WebView* BrowserModule::createView(QWidget* parent, WebViewListener& listener) const {
    return create_ ? create_(parent, &listener) : nullptr;
}

QStringList BrowserModule::programCandidates(const QString& executableDirectory) {
    const QDir beside(executableDirectory);
    return {beside.filePath(kFileName),
            QDir::cleanPath(
                beside.filePath(QStringLiteral(GLOWTAPE_MODULE_DIRECTORY "/") + kFileName))};
}

const BrowserModule& BrowserModule::program() {
    static const BrowserModule module(programCandidates(QCoreApplication::applicationDirPath()));
    return module;
}
