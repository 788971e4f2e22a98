// The subcommands of velzora-cli. Each takes the words after its name and
// returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace velzora::cli {

// Exit statuses shared by the subcommands.
inline constexpr int CIKIS_TAMAM = 0;
inline constexpr int CIKIS_BASARISIZ = 1;
inline constexpr int CIKIS_HATALI_GIRDI = 2;

int komut_random(const std::vector<std::string>& args);
int komut_dict(const std::vector<std::string>& args);
int komut_show(const std::vector<std::string>& args);
int komut_solve(const std::vector<std::string>& args);
int komut_slots(const std::vector<std::string>& args);

}  // namespace velzora::cli
