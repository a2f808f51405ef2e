// The register reader on arbitrary file contents: loading never crashes, and
// the file it rebuilds after damage loads again undamaged, with the same
// groups in the same order.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/storage/group_register.h"
#include "core/storage/text_file.h"
#include "scratch_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorix::storage;
    const quorix::fuzz::ScratchDir dir;
    ReplaceFile(dir.Path() / kRegisterFileName, std::string(reinterpret_cast<const char*>(data), size));

    GroupRegister reg(dir.Path());
    const LoadReport report = reg.LoadGroupRegister();
    if (report.writeError) std::abort();
    if (report.Healthy()) return 0;

    GroupRegister again(dir.Path());
    const LoadReport reread = again.LoadGroupRegister();
    if (reread.damaged || reread.writeError) std::abort();
    if (again.Count() != reg.Count()) std::abort();
    for (int i = 1; i <= reg.Count(); ++i) {
        if (again.At(i)->GroupID() != reg.At(i)->GroupID() || again.At(i)->Order() != reg.At(i)->Order()) std::abort();
    }
    return 0;
}
