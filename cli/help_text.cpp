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
                   [--file PERCORSO] [--fascicoli N]
      scrive la sequenza delle pagine da stampare, come la finestra di calcolo.
  plicora opuscolo [--modo 4|8] DOCUMENTO.pdf [-o USCITA.pdf] [--separati]
                   [--fascicoli N] [--scorrimento MM] [--retro-inverso] [--retro-capovolti]
                   [--carta FORMATO] [--da-destra] [--quarta-di-copertina]
                   [--bordo corto|lungo] [--margine MM] [--stampante NOME [--copie N]]
      impagina un documento PDF come opuscolo pronto da stampare con qualsiasi programma,
      o lo stampa con --stampante.
  plicora prova [--modo 4|8] [-o PROVA.pdf] [--carta FORMATO] [--stampante NOME]
      scrive (o stampa) due fogli di prova, PROVA-fronte.pdf e PROVA-retro.pdf, per scoprire
      come rimettere i fogli nella stampante senza fronte-retro.
  plicora stampanti
      elenca le stampanti di CUPS, una per riga (nome, predefinita, che cosa vi fa Plicora,
      carta), separate da tabulazioni.

Opzioni:
  --modo 4|8            pagine per foglio: 4 (opuscolo A5 sul foglio A4) oppure 8;
                        per opuscolo e prova, 4 se non dato
  --pagine TESTO        numero totale di pagine del documento
  --prima TESTO         numero della prima pagina (predefinito: 1)
  --separatore TESTO    testo fra i numeri di pagina (predefinito: ",")
  --file PERCORSO       scrive anche il file con le istruzioni di stampa
  -o, --uscita USCITA.pdf
                        il PDF da scrivere (predefinito: DOCUMENTO-opuscolo.pdf;
                        - lo scrive sull'uscita standard)
  --separati            scrive i fronti e i retri in due PDF, USCITA-fronte.pdf e
                        USCITA-retro.pdf, per una stampante senza fronte-retro
  --fascicoli N         divide i fogli in fascicoli di N fogli (da 1 a 500), ognuno
                        piegato a parte; l'ultimo può averne meno
  --scorrimento MM      sposta verso la piega le pagine dei fogli interni di ogni
                        fascicolo, fino a MM millimetri (da 0 a 5, per esempio 1,5) per il
                        foglio più interno; solo con --modo 4
  --retro-inverso       con --separati o --stampante: i retri dall'ultimo foglio al primo
  --retro-capovolti     con --separati o --stampante: ogni retro girato di 180 gradi
  --carta FORMATO       il foglio su cui si stampa, in orizzontale: A3, A4 (predefinito),
                        A5, letter, legal, tabloid oppure LARGHEZZAxALTEZZA in millimetri
                        interi, da 100 a 1000 per lato (per esempio 320x450); con
                        --stampante, senza --carta, la carta predefinita della stampante
  --margine MM          lascia bianchi MM millimetri (da 0 a 20, predefinito 0) a ogni
                        bordo del foglio, con le pagine ridotte per starci; stampando, almeno
                        i margini che la stampante non stampa
  --da-destra           l'opuscolo si apre da destra, come i libri in arabo, ebraico o
                        giapponese: ogni facciata è rispecchiata da sinistra a destra
  --quarta-di-copertina l'ultima pagina del documento resta l'ultima dell'opuscolo; le
                        pagine bianche vanno subito prima (con --fascicoli, nell'ultimo)
  --bordo corto|lungo   il lato su cui la stampante gira il foglio nel fronte-retro
                        (predefinito: corto); con lungo ogni retro è girato di 180 gradi
  --stampante NOME      stampa con CUPS sulla stampante NOME invece di scrivere il file
                        (lo scrive anche con -o): la carta scelta, senza ridimensionare,
                        fronte-retro sul lato che la stampante ha; senza fronte-retro stampa
                        i fronti, chiede di rimettere la pila nel vassoio e, dopo Invio, i retri
  --copie N             con --stampante: le copie, da 1 a 999
  -h, --help            mostra questo aiuto
  -v, --version         mostra la versione

L'opuscolo ha una facciata orizzontale (A4 se non si sceglie --carta) per pagina: foglio 1
fronte, foglio 1 retro, foglio 2 fronte e così via; va stampato in fronte-retro girando sul
lato corto (sul lato lungo con --bordo lungo). Ogni pagina è ridotta o ingrandita per stare
nella sua metà (o quarto) del foglio, senza deformarla, e centrata.
Se le pagine non riempiono l'ultimo foglio, in fondo si aggiungono pagine bianche.
Con --fascicoli ogni fascicolo è un opuscolo delle sue pagine: fascicolo 1 fronte e retro,
poi il fascicolo 2 e così via; si piega ogni fascicolo, poi si mettono in ordine uno sull'altro.
Oltre 20 fogli piegati insieme non stanno piatti: allora opuscolo consiglia --fascicoli.

Per piegare: con i fronti in su e il foglio 1 sopra, si piega la pila (o ogni fascicolo) a
metà portando la metà sinistra sotto la destra; a 8 pagine per foglio allo stesso modo, senza
tagliare: ogni facciata porta due pagine, da leggere dall'alto in basso.

Le finestre hanno bisogno di uno schermo; i comandi sequenza e opuscolo no. Senza comando si
accettano solo le opzioni di Qt (-style, -platform, -session, -reverse...).

Stato di uscita: 0 riuscito (con --stampante: CUPS ha preso il lavoro), 1 errore nel
calcolo, in un file o nella stampa, 2 comando sbagliato.
)";

} // namespace plicora
