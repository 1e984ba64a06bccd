#include "framework/TextForm.h"

#include "framework/Exceptions.h"
#include "framework/Filer.h"
#include "framework/Reader.h"
#include "framework/Writer.h"
#include "platform/gdi/CodePage.h"

#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace vur {

namespace {

bool IsIdentStart(char C) { return std::isalpha(static_cast<unsigned char>(C)) != 0 || C == '_'; }
bool IsIdentChar(char C) { return IsIdentStart(C) || std::isdigit(static_cast<unsigned char>(C)) != 0; }

// Identifiers, and for property names dotted paths of them.
bool IsPlainName(std::string_view Name, bool Dotted) {
    if (Name.empty() || !IsIdentStart(Name[0])) return false;
    for (std::size_t I = 1; I < Name.size(); ++I) {
        if (IsIdentChar(Name[I])) continue;
        if (!Dotted || Name[I] != '.' || I + 1 == Name.size() || !IsIdentStart(Name[I + 1])) return false;
    }
    return true;
}

// Words the text gives a meaning of their own.
bool IsKeyword(std::string_view Name) {
    for (const char* Word : {"False", "True", "nil", "inf", "nan", "inherited", "inline", "index", "item"})
        if (SameName(Name, Word)) return true;
    return false;
}

const char Hex[] = "0123456789ABCDEF";

// ---- stream to text

class TTextPrinter {
public:
    explicit TTextPrinter(TReader& Reader) : FReader(Reader) {}

    std::string Print() {
        FReader.ReadSignature();
        Component(0);
        return std::move(FOut);
    }

private:
    void Indent(int Level) { FOut.append(static_cast<std::size_t>(Level) * 2, ' '); }

    void Quoted(std::string_view Bytes) {
        FOut += '"';
        for (const char C : Bytes) Escaped(static_cast<unsigned char>(C));
        FOut += '"';
    }

    void Escaped(unsigned Unit) {
        switch (Unit) {
        case '"':
            FOut += "\\\"";
            return;
        case '\\':
            FOut += "\\\\";
            return;
        case '\r':
            FOut += "\\r";
            return;
        case '\n':
            FOut += "\\n";
            return;
        case '\t':
            FOut += "\\t";
            return;
        default:
            break;
        }
        if (Unit >= 0x20 && Unit < 0x7F) {
            FOut += static_cast<char>(Unit);
        } else if (Unit < 0x100) {
            FOut += "\\x";
            FOut += Hex[Unit >> 4];
            FOut += Hex[Unit & 15];
        } else {
            FOut += "\\u{";
            for (int Shift = 12; Shift >= 0; Shift -= 4) FOut += Hex[(Unit >> Shift) & 15];
            FOut += '}';
        }
    }

    void Name(std::string_view Text, bool Dotted) {
        if (IsPlainName(Text, Dotted) && !IsKeyword(Text))
            FOut += Text;
        else
            Quoted(Text);
    }

    template <class T>
    void Number(T Value) {
        char Digits[64];
        const auto End = std::to_chars(Digits, Digits + sizeof Digits, Value).ptr;
        FOut.append(Digits, End);
    }

    template <class T>
    void FloatText(T Value) {
        if (std::isnan(Value)) {
            FOut += "nan";
            return;
        }
        if (std::isinf(Value)) {
            FOut += Value < 0 ? "-inf" : "inf";
            return;
        }
        const std::size_t Start = FOut.size();
        Number(Value);
        if (FOut.find_first_of(".e", Start) == std::string::npos) FOut += ".0";
    }

    void Component(int Level) {
        CheckFilerNesting(Level + 1);
        std::uint8_t Flags;
        int ChildPos;
        FReader.ReadPrefix(Flags, ChildPos);
        const std::string ClassName = FReader.ReadStr();
        // Without a prefix an empty class name is the end of the list, so
        // such a record could not be written back.
        if (ClassName.empty()) throw EReadError("Invalid stream format");
        const std::string ComponentName = FReader.ReadStr();
        Indent(Level);
        if ((Flags & ffInherited) != 0) FOut += "inherited ";
        if ((Flags & ffInline) != 0) FOut += "inline ";
        Name(ClassName, false);
        FOut += ' ';
        Name(ComponentName, false);
        if (ChildPos >= 0) {
            FOut += " index ";
            Number(ChildPos);
        }
        FOut += " {\n";
        Properties(Level + 1);
        while (!FReader.EndOfList()) Component(Level + 1);
        FReader.ReadListEnd();
        Indent(Level);
        FOut += "}\n";
    }

    void Properties(int Level) {
        while (!FReader.EndOfList()) {
            Indent(Level);
            Name(FReader.ReadStr(), true);
            FOut += " = ";
            Value(Level);
            FOut += '\n';
        }
        FReader.ReadListEnd();
    }

    void Value(int Level) {
        CheckFilerNesting(Level);
        switch (FReader.NextValue()) {
        case vaList:
            FReader.ReadValue();
            if (FReader.EndOfList()) {
                FOut += "()";
            } else {
                FOut += "(\n";
                while (!FReader.EndOfList()) {
                    Indent(Level + 1);
                    Value(Level + 1);
                    FOut += '\n';
                }
                Indent(Level);
                FOut += ')';
            }
            FReader.ReadListEnd();
            break;
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            Number(FReader.ReadInt64());
            break;
        case vaExtended:
            FloatText(FReader.ReadFloat());
            break;
        case vaSingle:
            FOut += "single(";
            FloatText(static_cast<float>(FReader.ReadSingle()));
            FOut += ')';
            break;
        case vaCurrency:
            FOut += "currency(";
            FloatText(FReader.ReadCurrency());
            FOut += ')';
            break;
        case vaDate:
            FOut += "date(";
            FloatText(FReader.ReadDate());
            FOut += ')';
            break;
        case vaString:
        case vaLString:
            Quoted(FReader.ReadString());
            break;
        case vaWString:
            FOut += "wide(\"";
            for (const char16_t Unit : FReader.ReadWideString()) Escaped(Unit);
            FOut += "\")";
            break;
        case vaUTF8String:
            FOut += "utf8(";
            Quoted(FReader.ReadUTF8String());
            FOut += ')';
            break;
        case vaIdent: {
            const std::string Ident = FReader.ReadIdent();
            if (IsPlainName(Ident, false) && !IsKeyword(Ident)) {
                FOut += Ident;
            } else {
                FOut += "ident(";
                Quoted(Ident);
                FOut += ')';
            }
            break;
        }
        case vaFalse:
        case vaTrue:
        case vaNil:
            FOut += FReader.ReadIdent();
            break;
        case vaBinary:
            Binary(FReader.ReadBinary(), Level);
            break;
        case vaSet: {
            FReader.ReadValue();
            FOut += '[';
            bool First = true;
            for (std::string Member = FReader.ReadStr(); !Member.empty(); Member = FReader.ReadStr()) {
                if (!First) FOut += ", ";
                First = false;
                Name(Member, false);
            }
            FOut += ']';
            break;
        }
        case vaCollection:
            FReader.ReadValue();
            Collection(Level);
            break;
        default:
            throw EReadError("Invalid stream format");
        }
    }

    void Binary(const std::vector<std::uint8_t>& Bytes, int Level) {
        if (Bytes.empty()) {
            FOut += "{}";
            return;
        }
        FOut += "{\n";
        for (std::size_t Start = 0; Start < Bytes.size(); Start += 32) {
            Indent(Level + 1);
            for (std::size_t I = Start; I < Bytes.size() && I < Start + 32; ++I) {
                FOut += Hex[Bytes[I] >> 4];
                FOut += Hex[Bytes[I] & 15];
            }
            FOut += '\n';
        }
        Indent(Level);
        FOut += '}';
    }

    void Collection(int Level) {
        if (FReader.EndOfList()) {
            FReader.ReadListEnd();
            FOut += "<>";
            return;
        }
        FOut += "<\n";
        while (!FReader.EndOfList()) {
            Indent(Level + 1);
            FOut += "item ";
            const TValueType Next = FReader.NextValue();
            if (Next == vaInt8 || Next == vaInt16 || Next == vaInt32) {
                Number(FReader.ReadInteger());
                FOut += ' ';
            }
            FReader.ReadListBegin();
            FOut += "{\n";
            Properties(Level + 2);
            Indent(Level + 1);
            FOut += "}\n";
        }
        FReader.ReadListEnd();
        Indent(Level);
        FOut += '>';
    }

    TReader& FReader;
    std::string FOut;
};

// ---- text to stream

enum TTokenKind : std::uint8_t { tkEnd, tkWord, tkCall, tkNumber, tkText, tkSymbol };

struct TToken {
    TTokenKind Kind = tkEnd;
    // The word, the number's text, the string's content, or the symbol.
    std::string Text;
    int Line = 1;
};

class TTextParser {
public:
    TTextParser(std::string_view Text, TWriter& Writer) : FText(Text), FWriter(Writer) { Advance(); }

    void Parse() {
        FWriter.WriteSignature();
        Component(0);
        if (FToken.Kind != tkEnd) Error("Text after the end of the component");
    }

private:
    [[noreturn]] void Error(const std::string& Message) const { ErrorAt(FToken.Line, Message); }
    [[noreturn]] static void ErrorAt(int Line, const std::string& Message) {
        throw EParserError("Line " + std::to_string(Line) + ": " + Message);
    }

    bool IsSymbol(char C) const { return FToken.Kind == tkSymbol && FToken.Text[0] == C; }
    bool IsWord(std::string_view Word) const { return FToken.Kind == tkWord && FToken.Text == Word; }
    void Expect(char C) {
        if (!IsSymbol(C)) Error(std::string("'") + C + "' expected");
        Advance();
    }

    // ---- tokens

    void SkipBlanks() {
        while (FPos < FText.size()) {
            const char C = FText[FPos];
            if (C == '\n') ++FLine;
            if (C != ' ' && C != '\t' && C != '\r' && C != '\n') return;
            ++FPos;
        }
    }

    void Advance() {
        SkipBlanks();
        FToken = TToken{};
        FToken.Line = FLine;
        if (FPos >= FText.size()) return;
        const char C = FText[FPos];
        if (IsIdentStart(C)) {
            const std::size_t Start = FPos;
            while (FPos < FText.size() && (IsIdentChar(FText[FPos]) || FText[FPos] == '.')) ++FPos;
            FToken.Text = std::string(FText.substr(Start, FPos - Start));
            FToken.Kind = tkWord;
            if (FPos < FText.size() && FText[FPos] == '(') {
                ++FPos;
                FToken.Kind = tkCall;
            }
            return;
        }
        if (std::isdigit(static_cast<unsigned char>(C)) != 0 || C == '-' || C == '+') {
            const std::size_t Start = FPos++;
            while (FPos < FText.size() &&
                   (std::isalnum(static_cast<unsigned char>(FText[FPos])) != 0 || FText[FPos] == '.' ||
                    ((FText[FPos] == '-' || FText[FPos] == '+') &&
                     (FText[FPos - 1] == 'e' || FText[FPos - 1] == 'E'))))
                ++FPos;
            FToken.Text = std::string(FText.substr(Start, FPos - Start));
            FToken.Kind = tkNumber;
            return;
        }
        if (C == '"') {
            FToken.Kind = tkText;
            FToken.Text = StringBody();
            return;
        }
        if (std::string_view("={}()[]<>,").find(C) == std::string_view::npos)
            Error(std::string("Unexpected character '") + C + "'");
        FToken.Kind = tkSymbol;
        FToken.Text = std::string(1, C);
        ++FPos;
    }

    // The characters of a quoted string as UTF-8, escapes resolved: \xHH
    // stays a raw byte marked by a leading 0x01 so that each kind of string
    // can take it as it needs.
    std::string StringBody() {
        ++FPos;
        std::string Body;
        for (;;) {
            if (FPos >= FText.size() || FText[FPos] == '\n') Error("Unterminated string");
            const char C = FText[FPos++];
            if (C == '"') return Body;
            if (C == '\x01') Error("Control character in a string");
            if (C != '\\') {
                Body += C;
                continue;
            }
            if (FPos >= FText.size()) Error("Unterminated string");
            const char E = FText[FPos++];
            switch (E) {
            case '"':
            case '\\':
                Body += E;
                break;
            case 'r':
                Body += '\r';
                break;
            case 'n':
                Body += '\n';
                break;
            case 't':
                Body += '\t';
                break;
            case 'x': {
                unsigned Value = 0;
                if (FPos + 2 > FText.size() ||
                    std::from_chars(FText.data() + FPos, FText.data() + FPos + 2, Value, 16).ptr !=
                        FText.data() + FPos + 2)
                    Error("Two hex digits expected after \\x");
                FPos += 2;
                Body += '\x01';
                Body += static_cast<char>(Value);
                break;
            }
            case 'u': {
                const std::size_t Close = FText.find('}', FPos);
                unsigned long Value = 0;
                if (FPos >= FText.size() || FText[FPos] != '{' || Close == std::string_view::npos ||
                    Close - FPos > 7 ||
                    std::from_chars(FText.data() + FPos + 1, FText.data() + Close, Value, 16).ptr !=
                        FText.data() + Close ||
                    Value > 0x10FFFF)
                    Error("\\u{hex digits} expected");
                FPos = Close + 1;
                AppendUtf8(Body, static_cast<char32_t>(Value));
                break;
            }
            default:
                Error(std::string("Unknown escape \\") + E);
            }
        }
    }

    static void AppendUtf8(std::string& Out, char32_t C) {
        if (C < 0x80) {
            Out += static_cast<char>(C);
        } else if (C < 0x800) {
            Out += static_cast<char>(0xC0 | (C >> 6));
            Out += static_cast<char>(0x80 | (C & 0x3F));
        } else if (C < 0x10000) {
            Out += static_cast<char>(0xE0 | (C >> 12));
            Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (C & 0x3F));
        } else {
            Out += static_cast<char>(0xF0 | (C >> 18));
            Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
            Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (C & 0x3F));
        }
    }

    // Runs of UTF-8 text and raw bytes, in order.
    template <class Text, class Raw>
    static void Split(const std::string& Body, Text OnText, Raw OnRaw) {
        std::size_t Start = 0;
        for (std::size_t I = 0; I < Body.size(); ++I) {
            if (Body[I] != '\x01') continue;
            OnText(std::string_view(Body).substr(Start, I - Start));
            OnRaw(static_cast<unsigned char>(Body[I + 1]));
            Start = I + 2;
            ++I;
        }
        OnText(std::string_view(Body).substr(Start));
    }

    static std::string CodePageText(const std::string& Body) {
        std::string Out;
        Split(
            Body, [&](std::string_view Text) { Out += gdi::Utf8ToCodePage1252(Text); },
            [&](unsigned char Byte) { Out += static_cast<char>(Byte); });
        return Out;
    }

    static std::string Utf8Bytes(const std::string& Body) {
        std::string Out;
        Split(
            Body, [&](std::string_view Text) { Out += Text; },
            [&](unsigned char Byte) { Out += static_cast<char>(Byte); });
        return Out;
    }

    static std::u16string WideUnits(const std::string& Body) {
        std::u16string Out;
        Split(
            Body,
            [&](std::string_view Text) {
                for (const char32_t C : gdi::DecodeUtf8(Text)) {
                    if (C < 0x10000) {
                        Out += static_cast<char16_t>(C);
                    } else {
                        Out += static_cast<char16_t>(0xD800 + ((C - 0x10000) >> 10));
                        Out += static_cast<char16_t>(0xDC00 + ((C - 0x10000) & 0x3FF));
                    }
                }
            },
            [&](unsigned char Byte) { Out += static_cast<char16_t>(Byte); });
        return Out;
    }

    // A name: an identifier (dotted for properties) or a quoted string.
    std::string TakeName() {
        std::string Name;
        if (FToken.Kind == tkWord)
            Name = FToken.Text;
        else if (FToken.Kind == tkText)
            Name = CodePageText(FToken.Text);
        else
            Error("Name expected");
        Advance();
        return Name;
    }

    double TakeDouble() {
        if (FToken.Kind == tkWord && (FToken.Text == "inf" || FToken.Text == "nan")) {
            const double Value = FToken.Text == "inf" ? std::numeric_limits<double>::infinity()
                                                      : std::numeric_limits<double>::quiet_NaN();
            Advance();
            return Value;
        }
        if (FToken.Kind != tkNumber) Error("Number expected");
        if (FToken.Text == "-inf") {
            Advance();
            return -std::numeric_limits<double>::infinity();
        }
        double Value = 0;
        const char* First = FToken.Text.data() + (FToken.Text[0] == '+' ? 1 : 0);
        const char* Last = FToken.Text.data() + FToken.Text.size();
        const auto [End, Code] = std::from_chars(First, Last, Value);
        if (End != Last || (Code != std::errc() && Code != std::errc::result_out_of_range))
            Error("Bad number " + FToken.Text);
        Advance();
        return Value;
    }

    // ---- structure

    void Component(int Level) {
        CheckNesting(Level + 1);
        std::uint8_t Flags = 0;
        for (;;) {
            if (IsWord("inherited"))
                Flags |= ffInherited;
            else if (IsWord("inline"))
                Flags |= ffInline;
            else
                break;
            Advance();
        }
        const std::string ClassName = TakeName();
        if (ClassName.empty()) Error("Class name expected");
        const std::string ComponentName = TakeName();
        std::int64_t ChildPos = -1;
        if (IsWord("index")) {
            Advance();
            ChildPos = TakeInteger();
            if (ChildPos < 0 || ChildPos > std::numeric_limits<std::int32_t>::max()) Error("Bad index");
            Flags |= ffChildPos;
        }
        Expect('{');
        if (Flags != 0) FWriter.WriteValue(static_cast<TValueType>(FilerPrefixMark | Flags));
        if (ChildPos >= 0) FWriter.WriteInteger(ChildPos);
        FWriter.WriteStr(ClassName);
        FWriter.WriteStr(ComponentName);
        bool InChildren = false;
        while (!IsSymbol('}')) {
            if (FToken.Kind == tkEnd) Error("'}' expected");
            if (IsPropertyStart()) {
                if (InChildren) Error("Properties come before the components inside");
                Property(Level);
                continue;
            }
            if (!InChildren) FWriter.WriteListEnd();
            InChildren = true;
            Component(Level + 1);
        }
        Advance();
        if (!InChildren) FWriter.WriteListEnd();
        FWriter.WriteListEnd();
    }

    bool IsPropertyStart() {
        if (FToken.Kind != tkWord && FToken.Kind != tkText) return false;
        // Look one token ahead for the '='.
        const std::size_t SavedPos = FPos;
        const int SavedLine = FLine;
        const TToken Saved = FToken;
        Advance();
        const bool Result = IsSymbol('=');
        FPos = SavedPos;
        FLine = SavedLine;
        FToken = Saved;
        return Result;
    }

    void Property(int Level) {
        FWriter.WriteStr(TakeName());
        Expect('=');
        Value(Level + 1);
    }

    std::int64_t TakeInteger() {
        if (FToken.Kind != tkNumber) Error("Integer expected");
        std::int64_t Value = 0;
        const char* First = FToken.Text.data() + (FToken.Text[0] == '+' ? 1 : 0);
        const char* Last = FToken.Text.data() + FToken.Text.size();
        const auto [End, Code] = std::from_chars(First, Last, Value);
        if (End != Last || Code != std::errc()) Error("Bad integer " + FToken.Text);
        Advance();
        return Value;
    }

    void CheckNesting(int Level) const {
        if (Level > MaxFilerNesting)
            Error("Nesting deeper than " + std::to_string(MaxFilerNesting) + " levels");
    }

    void Value(int Level) {
        CheckNesting(Level);
        switch (FToken.Kind) {
        case tkNumber:
            if (FToken.Text.find_first_of(".eE") != std::string::npos || FToken.Text == "-inf")
                FWriter.WriteFloat(TakeDouble());
            else
                FWriter.WriteInteger(TakeInteger());
            return;
        case tkText:
            FWriter.WriteString(CodePageText(FToken.Text));
            Advance();
            return;
        case tkWord:
            if (FToken.Text == "inf" || FToken.Text == "nan") {
                FWriter.WriteFloat(TakeDouble());
                return;
            }
            if (!IsPlainName(FToken.Text, false)) Error("Bad identifier " + FToken.Text);
            FWriter.WriteIdent(FToken.Text);
            Advance();
            return;
        case tkCall:
            Call();
            return;
        case tkSymbol:
            // The lexer stands just after the brace: binary data is read from there.
            if (IsSymbol('{')) {
                Binary();
                return;
            }
            break;
        case tkEnd:
            Error("Value expected");
        }
        const char Symbol = FToken.Text[0];
        if (Symbol != '(' && Symbol != '[' && Symbol != '<')
            Error(std::string("Unexpected '") + Symbol + "'");
        Advance();
        if (Symbol == '(') {
            FWriter.WriteListBegin();
            while (!IsSymbol(')')) Value(Level + 1);
            Advance();
            FWriter.WriteListEnd();
        } else if (Symbol == '[') {
            FWriter.WriteValue(vaSet);
            while (!IsSymbol(']')) {
                FWriter.WriteStr(TakeName());
                if (!IsSymbol(']')) Expect(',');
            }
            Advance();
            FWriter.WriteStr("");
        } else {
            Collection(Level);
        }
    }

    void Call() {
        const std::string Function = FToken.Text;
        Advance();
        if (Function == "single") {
            FWriter.WriteSingle(static_cast<float>(TakeDouble()));
        } else if (Function == "currency") {
            FWriter.WriteCurrency(TakeDouble());
        } else if (Function == "date") {
            FWriter.WriteDate(TakeDouble());
        } else if (Function == "wide" || Function == "utf8" || Function == "ident") {
            if (FToken.Kind != tkText) Error("String expected");
            if (Function == "wide") {
                FWriter.WriteWideString(WideUnits(FToken.Text));
            } else if (Function == "utf8") {
                FWriter.WriteUTF8String(Utf8Bytes(FToken.Text));
            } else {
                FWriter.WriteValue(vaIdent);
                FWriter.WriteStr(CodePageText(FToken.Text));
            }
            Advance();
        } else {
            Error("Unknown value form " + Function + "(");
        }
        Expect(')');
    }

    // Hex digits up to the closing brace, read straight from the text.
    void Binary() {
        std::vector<std::uint8_t> Bytes;
        int High = -1;
        for (;;) {
            if (FPos >= FText.size()) ErrorAt(FLine, "'}' expected");
            const char C = FText[FPos++];
            if (C == '}') break;
            if (C == '\n') ++FLine;
            if (C == ' ' || C == '\t' || C == '\r' || C == '\n') continue;
            int Digit = -1;
            if (C >= '0' && C <= '9') Digit = C - '0';
            if (C >= 'A' && C <= 'F') Digit = C - 'A' + 10;
            if (C >= 'a' && C <= 'f') Digit = C - 'a' + 10;
            if (Digit < 0) ErrorAt(FLine, "Hex digit expected in binary data");
            if (High < 0) {
                High = Digit;
            } else {
                Bytes.push_back(static_cast<std::uint8_t>(High * 16 + Digit));
                High = -1;
            }
        }
        if (High >= 0) ErrorAt(FLine, "Odd number of hex digits in binary data");
        FWriter.WriteBinary(Bytes);
        Advance();
    }

    void Collection(int Level) {
        FWriter.WriteValue(vaCollection);
        while (!IsSymbol('>')) {
            if (!IsWord("item")) Error("'item' expected");
            Advance();
            if (FToken.Kind == tkNumber) FWriter.WriteInteger(TakeInteger());
            Expect('{');
            FWriter.WriteListBegin();
            while (!IsSymbol('}')) {
                if (FToken.Kind == tkEnd) Error("'}' expected");
                Property(Level + 1);
            }
            Advance();
            FWriter.WriteListEnd();
        }
        Advance();
        FWriter.WriteListEnd();
    }

    std::string_view FText;
    TWriter& FWriter;
    std::size_t FPos = 0;
    int FLine = 1;
    TToken FToken;
};

} // namespace

std::string ObjectBinaryToText(TStream& Input) {
    TReader Reader(Input);
    return TTextPrinter(Reader).Print();
}

void ObjectTextToBinary(std::string_view Text, TStream& Output) {
    TWriter Writer(Output);
    TTextParser(Text, Writer).Parse();
    Writer.FlushBuffer();
}

std::string BinaryToText(std::span<const std::uint8_t> Bytes) {
    TCustomMemoryStream Stream(Bytes);
    return ObjectBinaryToText(Stream);
}

std::vector<std::uint8_t> TextToBinary(std::string_view Text) {
    TMemoryStream Stream;
    ObjectTextToBinary(Text, Stream);
    return Stream.Data();
}

} // namespace vur
