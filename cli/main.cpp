// velzora-cli: the headless front end for tests, benchmarks and batch use.
#include <cstring>
#include <iostream>
#include <string_view>

#include "komutlar.h"
#include "surum.h"

namespace {

using Komut = int (*)(const std::vector<std::string>&);

struct Komut_Kaydi {
    std::string_view ad;
    Komut islev;
    std::string_view kullanim;
};

constexpr Komut_Kaydi KOMUTLAR[] = {
    {"random", velzora::cli::komut_random,
     "random --rows R --cols C [--ratio X] [--seed N] --out FILE"},
    {"dict", velzora::cli::komut_dict, "dict --dict FILE [--show]"},
    {"show", velzora::cli::komut_show, "show --template FILE"},
    {"solve", velzora::cli::komut_solve,
     "solve (--template FILE | --grid FILE) --dict FILE [--seed N] [--repeat] "
     "[--time-limit SECONDS] [--max-tried N] [--restarts [--threads N]] [--dump-candidates] "
     "[--json]"},
    {"slots", velzora::cli::komut_slots, "slots (--template FILE | --grid FILE)"},
};

void kullanim_yaz(std::ostream& os) {
    os << "velzora-cli " << velzora::surum_metni() << "\nKullanım:\n";
    for (const auto& k : KOMUTLAR)
        os << "  velzora-cli " << k.kullanim << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        kullanim_yaz(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? velzora::cli::CIKIS_HATALI_GIRDI : velzora::cli::CIKIS_TAMAM;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& k : KOMUTLAR) {
        if (k.ad == argv[1])
            return k.islev(args);
    }
    std::cerr << "velzora-cli: bilinmeyen komut: " << argv[1] << "\n";
    kullanim_yaz(std::cerr);
    return velzora::cli::CIKIS_HATALI_GIRDI;
}
