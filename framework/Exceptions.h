// The exception hierarchy: every failure the engine and the framework raise
// derives from Exception and carries the user-facing message text.
#pragma once

#include <stdexcept>
#include <string>

namespace vur {

class Exception : public std::exception {
public:
    explicit Exception(std::string Message) : FMessage(std::move(Message)) {}
    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define VUR_EXCEPTION(Name, Base)                                                                            \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    };

// Silent exception: the application's exception handling drops it.
VUR_EXCEPTION(EAbort, Exception)
VUR_EXCEPTION(EAssertionFailed, Exception)
VUR_EXCEPTION(EConvertError, Exception)
VUR_EXCEPTION(EListError, Exception)
VUR_EXCEPTION(EStringListError, EListError)
VUR_EXCEPTION(EInvalidOperation, Exception)
VUR_EXCEPTION(EComponentError, Exception)
// Streams and the component reader and writer.
VUR_EXCEPTION(EStreamError, Exception)
VUR_EXCEPTION(EFCreateError, EStreamError)
VUR_EXCEPTION(EFOpenError, EStreamError)
VUR_EXCEPTION(EFilerError, EStreamError)
VUR_EXCEPTION(EReadError, EFilerError)
VUR_EXCEPTION(EWriteError, EFilerError)
VUR_EXCEPTION(EClassNotFound, EFilerError)
VUR_EXCEPTION(EResNotFound, Exception)
// A text form that does not parse; the message names the line.
VUR_EXCEPTION(EParserError, Exception)
VUR_EXCEPTION(EOutOfMemory, Exception)
VUR_EXCEPTION(EOutOfResources, EOutOfMemory)
VUR_EXCEPTION(EInvalidGraphic, Exception)
VUR_EXCEPTION(ChartException, Exception)
VUR_EXCEPTION(AxisException, Exception)
VUR_EXCEPTION(LegendException, Exception)

#undef VUR_EXCEPTION

// Raises EAssertionFailed with "<text> (<file>, line <n>)".
[[noreturn]] void AssertErrorHandler(const std::string& Text, const char* File, int Line);

// Raises EAssertionFailed "Index <i> out of bounds (0 to <Count - 1>)" at File and Line.
[[noreturn]] void IndexErrorHandler(int Index, int Count, const char* File, int Line);

// The one check of an index argument: outside 0..Count-1 is a broken
// precondition of the caller, reported at the caller's line before anything
// changes. An insertion point may also be Count: pass Count + 1.
inline void CheckIndex(int Index, int Count, const char* File = __builtin_FILE(),
                       int Line = __builtin_LINE()) {
    if (Index < 0 || Index >= Count) [[unlikely]]
        IndexErrorHandler(Index, Count, File, Line);
}

} // namespace vur

// VUR_ASSERT(cond, message): an internal precondition. The message is the text
// shown; when it is empty, the condition's own text is shown instead.
#define VUR_ASSERT(Condition, Message)                                                                       \
    do {                                                                                                     \
        if (!(Condition)) {                                                                                  \
            const std::string vurAssertText_ = (Message);                                                    \
            ::vur::AssertErrorHandler(vurAssertText_.empty() ? std::string(#Condition) : vurAssertText_,     \
                                      __FILE__, __LINE__);                                                   \
        }                                                                                                    \
    } while (false)
