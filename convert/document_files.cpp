// Export and import files.
#include "convert/document_files.h"

#include <system_error>

#include "common/file_io.h"

namespace quilm {

Status write_export_file(const std::filesystem::path& path, BytesView contents, const std::string& failure) {
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored))
    std::filesystem::permissions(path, std::filesystem::perms::owner_write, std::filesystem::perm_options::add,
                                 ignored);
  const Status written = write_file_atomically(path, contents);
  if (!written) return Status::Error(failure + ": " + written.message());
  return Status::Ok();
}

Status read_import_file(const std::filesystem::path& path, const std::string& failure, Bytes& out) {
  std::optional<Bytes> bytes = read_file(path);
  if (!bytes) return Status::Error(failure + ": cannot read " + path.string());
  out = std::move(*bytes);
  return Status::Ok();
}

}  // namespace quilm
