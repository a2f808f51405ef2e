// The register reader on arbitrary file contents: loading never crashes; the
// file it rebuilds after damage (or rewrites when healthy) loads again
// undamaged, with the same groups in the same order, element for element and
// product for product; and a damaged file survives whole as the backup.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/storage/group_register.h"
#include "core/storage/text_file.h"
#include "scratch_dir.h"

namespace {

bool SameGroup(const quorix::Group& a, const quorix::Group& b) {
    if (a.GroupID() != b.GroupID() || a.MethodOfGeneration() != b.MethodOfGeneration() || a.order() != b.order())
        return false;
    for (int i = 1; i <= a.order(); ++i) {
        if (a.sourceName(i) != b.sourceName(i) || a.name(i) != b.name(i)) return false;
        for (int j = 1; j <= a.order(); ++j)
            if (a.mul(i, j) != b.mul(i, j)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorix::storage;
    const quorix::fuzz::ScratchDir dir;
    const std::string input(reinterpret_cast<const char*>(data), size);
    ReplaceFile(dir.Path() / kRegisterFileName, input);

    GroupRegister reg(dir.Path());
    const LoadReport report = reg.LoadGroupRegister();
    if (report.writeError || !report.fileProblem.empty()) std::abort();
    if (report.Healthy()) {
        reg.RewriteRegisterFile();
    } else {
        const quorix::text::FileText backup = quorix::text::ReadFileChecked(reg.BackupPath(), size + 1);
        if (!backup.Ok() || backup.text != input) std::abort();
    }

    GroupRegister again(dir.Path());
    const LoadReport reread = again.LoadGroupRegister();
    if (reread.damaged || reread.writeError) std::abort();
    if (again.Count() != reg.Count()) std::abort();
    for (int i = 1; i <= reg.Count(); ++i)
        if (!SameGroup(*reg.At(i), *again.At(i))) std::abort();
    return 0;
}
