// Writes the document or the PDF of a hand-made puzzle, for looking at the
// rendered pages (tools/belge_kontrol.sh).
//   ornek_belge [--ebat N] [--cozum] ÇIKTI.docx|ÇIKTI.pdf
#include <cstdlib>
#include <iostream>
#include <string>

#include "ornek_bulmaca.h"
#include "pdf_belgesi.h"

int main(int argc, char** argv) {
    int ebat = 15;
    bool cozum = false;
    std::string cikti;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--ebat" && i + 1 < argc)
            ebat = std::atoi(argv[++i]);
        else if (a == "--cozum")
            cozum = true;
        else
            cikti = a;
    }
    if (cikti.empty() || ebat < 2 || ebat > 50) {
        std::cerr << "kullanım: ornek_belge [--ebat N] [--cozum] ÇIKTI.docx|ÇIKTI.pdf\n";
        return 2;
    }
    const velzora::test::Ornek_Bulmaca o(ebat);
    const bool pdf = cikti.size() > 4 && cikti.substr(cikti.size() - 4) == ".pdf";
    const velzora::Yazi_Ortami ortam;
    const auto hata = pdf ? velzora::pdf_olustur(cikti, o.icerik(cozum))
                          : velzora::belge_olustur(cikti, o.icerik(cozum));
    if (hata != velzora::Belge_Hatasi::Yok) {
        std::cerr << "belge yazılamadı: " << cikti << "\n";
        return 1;
    }
    return 0;
}
