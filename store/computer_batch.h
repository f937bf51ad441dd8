#pragma once
// Computers added in bulk (the computer names file): many rows of DEV_TBL
// in one transaction, so that a long list costs one commit instead of one
// per name.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crv {

// Inserts one computer (DEV_TYPE_ID 2, in the root group, platform, type and
// versions 0, the comment Add_Device gives type 0) per name, all with the
// same credentials, in one transaction. Gives their DEV_IDs in the order of
// the names. On failure (credentials holding a control character, as
// Add_Device refuses them, or a failing statement) the store's one error box
// is shown, nothing of the batch is kept and the result is empty; without a
// connection it fails without a box.
std::optional<std::vector<std::int32_t>> Add_Computers(const std::vector<std::string>& names,
                                                       const std::string& userName, const std::string& password,
                                                       const std::string& addedBy);

}  // namespace crv
