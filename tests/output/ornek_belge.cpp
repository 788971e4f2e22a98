// Writes the document of a hand-made 15 x 15 puzzle, for looking at the
// rendered page (tools/belge_kontrol.sh).
#include <iostream>

#include "belge_olustur.h"
#include "ornek_bulmaca.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "kullanım: ornek_belge ÇIKTI.docx\n";
        return 2;
    }
    const velzora::test::Ornek_Bulmaca o;
    if (velzora::belge_olustur(argv[1], o.izgara, o.soldan, o.yukaridan) !=
        velzora::Belge_Hatasi::Yok) {
        std::cerr << "belge yazılamadı: " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
