// velzora-cli: the headless front end for tests, benchmarks and batch use.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "komut_tablosu.h"
#include "komutlar.h"
#include "surum.h"

namespace {

using namespace velzora::cli;

bool yardim_mi(const std::string& a) {
    return a == "--help" || a == "-h";
}

int calistir(const std::vector<std::string>& args) {
    if (args.empty()) {
        kullanim_yaz(std::cerr);
        return CIKIS_HATALI_GIRDI;
    }
    if (yardim_mi(args[0])) {
        kullanim_yaz(std::cout);
        return CIKIS_TAMAM;
    }
    if (args[0] == "--version") {
        std::cout << "velzora-cli " << velzora::surum_metni() << "\n";
        return CIKIS_TAMAM;
    }
    const Komut_Tanimi* komut = komut_bul(args[0]);
    if (komut == nullptr) {
        std::cerr << "velzora-cli: bilinmeyen komut: " << args[0] << "\n";
        kullanim_yaz(std::cerr);
        return CIKIS_HATALI_GIRDI;
    }
    const std::vector<std::string> secenekler(args.begin() + 1, args.end());
    for (const std::string& a : secenekler) {
        if (yardim_mi(a)) {
            komut_yardimi_yaz(std::cout, *komut);
            return CIKIS_TAMAM;
        }
    }
    Argumanlar a(secenekler, komut->secenekler);
    if (!a.hata().empty()) {
        std::cerr << "velzora-cli " << komut->ad << ": " << a.hata() << "\n"
                  << "Ayrıntılar için: velzora-cli " << komut->ad << " --help\n";
        return CIKIS_HATALI_GIRDI;
    }
    return komut->islev(a);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const int kod = calistir(std::vector<std::string>(argv + 1, argv + argc));
    // Output that never reached its file is a failure, not a success.
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0) {
        std::cerr << "velzora-cli: standart çıktı yazılamadı\n";
        return kod == CIKIS_HATALI_GIRDI ? kod : CIKIS_YAZILAMADI;
    }
    return kod;
}
