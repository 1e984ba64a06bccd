// vurform: converts component streams between their binary and text forms,
// and makes the C++ source that carries a stored form in a program.
//
//   vurform text   <stream>   <text>       binary to text
//   vurform binary <text>     <stream>     text to binary
//   vurform cpp    <text>     <source.cpp> <NAME>
//
// The last defines std::span<const std::uint8_t> vur::StoredForm<NAME>(),
// the binary stream of the text form, for a TResourceRegistration.
#include "framework/Exceptions.h"
#include "framework/Streams.h"
#include "framework/TextForm.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadFile(const std::string& FileName) {
    std::ifstream In(FileName, std::ios::binary);
    if (!In) throw vur::EFOpenError("Cannot open file \"" + FileName + "\"");
    std::ostringstream Text;
    Text << In.rdbuf();
    return Text.str();
}

void WriteFile(const std::string& FileName, const std::string& Content) {
    std::ofstream Out(FileName, std::ios::binary);
    Out << Content;
    if (!Out) throw vur::EFCreateError("Cannot create file \"" + FileName + "\"");
}

std::string CppSource(const std::vector<std::uint8_t>& Bytes, const std::string& Name,
                      const std::string& Source) {
    std::string Out = "// Made from " + Source +
                      " by vurform; edit that file, not this one.\n"
                      "#include <cstdint>\n#include <span>\n\nnamespace vur {\n\n"
                      "std::span<const std::uint8_t> StoredForm" +
                      Name + "() {\n    static const std::uint8_t Bytes[" + std::to_string(Bytes.size()) +
                      "] = {";
    for (std::size_t I = 0; I < Bytes.size(); ++I) {
        Out += I % 16 == 0 ? "\n        " : " ";
        Out += std::to_string(Bytes[I]) + ",";
    }
    Out += "\n    };\n    return Bytes;\n}\n\n} // namespace vur\n";
    return Out;
}

} // namespace

int main(int argc, char** argv) {
    const std::string Mode = argc > 1 ? argv[1] : "";
    if (!((Mode == "text" || Mode == "binary") && argc == 4) && !(Mode == "cpp" && argc == 5)) {
        std::fprintf(stderr, "usage: vurform text|binary <input> <output>\n"
                             "       vurform cpp <text form> <source.cpp> <NAME>\n");
        return 2;
    }
    try {
        const std::string Input = ReadFile(argv[2]);
        if (Mode == "text") {
            WriteFile(argv[3], vur::BinaryToText(std::span(
                                   reinterpret_cast<const std::uint8_t*>(Input.data()), Input.size())));
        } else {
            const std::vector<std::uint8_t> Bytes = vur::TextToBinary(Input);
            if (Mode == "binary")
                WriteFile(argv[3], std::string(Bytes.begin(), Bytes.end()));
            else
                WriteFile(argv[3], CppSource(Bytes, argv[4], argv[2]));
        }
    } catch (const vur::Exception& E) {
        std::fprintf(stderr, "vurform: %s: %s\n", argv[2], E.Message().c_str());
        return 1;
    }
    return 0;
}
