#include "Errors.h"

#include "Prompts.h"

#include <new>

QString CurrentExceptionText()
{
    try {
        throw;
    } catch (const EError &e) {
        return e.Message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("内存不足。");
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("发生未知错误。");
    }
}

void HandleException()
{
    const QString text = CurrentExceptionText();
    try {
        Prompt::Message(text);
    } catch (...) {
        // A failing message box must not take the program down.
    }
}
