#include "help_text.h"

namespace plicora {

const std::string_view helpText =
    R"(Uso:
  plicora
      apre la finestra principale.
  plicora DOCUMENTO.pdf
      apre la finestra dell'opuscolo per il documento, come "Apri con Plicora" dal gestore
      dei file: anteprima del primo foglio, poi l'opuscolo accanto al documento.
  plicora --scegli-pdf
      chiede quale PDF impaginare, poi apre la finestra dell'opuscolo.
  plicora sequenza --modo 4|8 --pagine TESTO [--prima TESTO] [--separatore TESTO]
                   [--file PERCORSO]
      scrive la sequenza delle pagine da stampare, come la finestra di calcolo.
  plicora opuscolo --modo 4|8 DOCUMENTO.pdf [-o USCITA.pdf] [--separati]
      impagina un documento PDF come opuscolo pronto da stampare con qualsiasi programma.

Opzioni:
  --modo 4|8            pagine per foglio A4: 4 (opuscolo A5) oppure 8
  --pagine TESTO        numero totale di pagine del documento
  --prima TESTO         numero della prima pagina (predefinito: 1)
  --separatore TESTO    testo fra i numeri di pagina (predefinito: ",")
  --file PERCORSO       scrive anche il file con le istruzioni di stampa
  -o, --uscita USCITA.pdf
                        il PDF da scrivere (predefinito: DOCUMENTO-opuscolo.pdf)
  --separati            scrive i fronti e i retri in due PDF, USCITA-fronte.pdf e
                        USCITA-retro.pdf, per una stampante senza fronte-retro
  -h, --help            mostra questo aiuto
  -v, --version         mostra la versione

L'opuscolo ha una facciata A4 orizzontale per pagina: foglio 1 fronte, foglio 1 retro,
foglio 2 fronte e così via; va stampato in fronte-retro girando sul lato corto.
Se le pagine non riempiono l'ultimo foglio, in fondo si aggiungono pagine bianche.

Le finestre hanno bisogno di uno schermo; i comandi sequenza e opuscolo no.

Stato di uscita: 0 riuscito, 1 errore nel calcolo o in un file, 2 comando sbagliato.
)";

} // namespace plicora
