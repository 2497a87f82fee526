<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutSample</name>
    <message>
        <source>Talmiro Print Postcard Backs</source>
        <translation>Talmiro stampa i retri delle cartoline</translation>
    </message>
    <message>
        <source>&quot;Your own pictures, your own postcards&quot;</source>
        <translation>«Le tue foto, le tue cartoline»</translation>
    </message>
</context>
<context>
    <name>AddressList</name>
    <message numerus="yes">
        <source>none of its %n contacts has an address</source>
        <translation>
            <numerusform>nessuno dei suoi %n contatti ha un indirizzo</numerusform>
            <numerusform>nessuno dei suoi %n contatti ha un indirizzo</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>non è testo</translation>
    </message>
    <message>
        <source>a line is longer than %1 characters</source>
        <translation>una riga supera i %1 caratteri</translation>
    </message>
    <message>
        <source>it holds more than %1 addresses</source>
        <translation>contiene più di %1 indirizzi</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>una virgoletta aperta in questa riga non viene mai chiusa</translation>
    </message>
    <message>
        <source>it holds no addresses below its header row</source>
        <translation>non contiene indirizzi sotto la riga di intestazione</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>PO Box</source>
        <translation>Casella postale</translation>
    </message>
    <message>
        <source>Extended Address</source>
        <translation>Indirizzo aggiuntivo</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Postcode</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>a contact begins here before the last one ended</source>
        <translation>qui inizia un contatto prima che finisca il precedente</translation>
    </message>
    <message>
        <source>this line is outside any contact</source>
        <translation>questa riga è fuori da ogni contatto</translation>
    </message>
    <message>
        <source>the contact that begins on this line never ends: the file is cut short</source>
        <translation>il contatto che inizia in questa riga non finisce mai: il file è troncato</translation>
    </message>
    <message>
        <source>it holds no contacts</source>
        <translation>non contiene contatti</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>supera i %1 MB</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2 (line %3). Nothing was changed.</source>
        <translation>L’elenco di indirizzi «%1» non può essere usato: %2 (riga %3). Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: %2. Nothing was changed.</source>
        <translation>L’elenco di indirizzi «%1» non può essere usato: %2. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The address list &quot;%1&quot; cannot be used: it is larger than 50 MB (%2 MB). Nothing was changed.</source>
        <translation>L’elenco di indirizzi «%1» non può essere usato: supera i 50 MB (%2 MB). Non è stato cambiato nulla.</translation>
    </message>
</context>
<context>
    <name>AlignmentTest</name>
    <message>
        <source>TOP</source>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>FRONT</source>
        <translation>FRONTE</translation>
    </message>
    <message>
        <source>TURNED</source>
        <translation>GIRATO</translation>
    </message>
    <message>
        <source>Hold the sheet against a light, this side towards you.</source>
        <translation>Tieni il foglio controluce, con questo lato verso di te.</translation>
    </message>
    <message>
        <source>Set each adjustment to the number under its pointer.</source>
        <translation>Imposta ogni correzione sul numero sotto il suo indice.</translation>
    </message>
    <message>
        <source>A pointer that says TURNED: choose the other turn and test again.</source>
        <translation>Un indice con GIRATO: scegli l&apos;altro modo di girare e riprova.</translation>
    </message>
    <message>
        <source>%1: the number under the pointer</source>
        <translation>%1: il numero sotto l&apos;indice</translation>
    </message>
    <message>
        <source>%1: the number beside the pointer</source>
        <translation>%1: il numero accanto all&apos;indice</translation>
    </message>
    <message>
        <source>turned over like a wall calendar: top and bottom change places, the left edge stays at the left</source>
        <translation>girato come un calendario da muro: alto e basso si scambiano, il bordo sinistro resta a sinistra</translation>
    </message>
    <message>
        <source>turned over like the page of a book: left and right change places, the top edge stays at the top</source>
        <translation>girato come la pagina di un libro: sinistra e destra si scambiano, il bordo superiore resta in alto</translation>
    </message>
    <message>
        <source>The test page of fronts is printed.</source>
        <translation>La pagina di prova dei fronti è stampata.</translation>
    </message>
    <message>
        <source> Print it first.</source>
        <translation> Stampala prima.</translation>
    </message>
    <message>
        <source>%1

Put the sheet back into the paper tray so that its blank side will be printed, %2. Print the test page of backs on it now?</source>
        <translation>%1

Rimetti il foglio nel vassoio della carta in modo che venga stampato il lato bianco, %2. Stampare ora la pagina di prova dei retri?</translation>
    </message>
</context>
<context>
    <name>AppError</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>It is not a file but a device or a pipe.</source>
        <translation>Non è un file ma un dispositivo o una pipe.</translation>
    </message>
</context>
<context>
    <name>CardDocument</name>
    <message>
        <source>TITLE TEXT</source>
        <translation>TITOLO</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Creato da (testo verticale)</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>FRANCO-

BOLLO</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Testo d&apos;angolo</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>NON SCRIVERE SOTTO QUESTA LINEA</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Cartolina</translation>
    </message>
</context>
<context>
    <name>CardOutput</name>
    <message>
        <source>The picture could not be made for &quot;%1&quot; (%2), so nothing was saved.</source>
        <translation>Non è stato possibile creare l&apos;immagine per «%1» (%2), quindi non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Nothing was printed; --yes prints anyway.</source>
        <translation>Non è stato stampato nulla; --yes stampa comunque.</translation>
    </message>
</context>
<context>
    <name>CardRender</name>
    <message>
        <source>The printer offers no %1 paper, which the layout &quot;%2&quot; is made for. Print on %3 paper instead?</source>
        <translation>La stampante non offre carta %1, per cui è fatta la disposizione &quot;%2&quot;. Stampare invece su carta %3?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 and %2 cannot be asked for together.</source>
        <translation>%1 e %2 non si possono chiedere insieme.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 richiede un valore.</translation>
    </message>
    <message>
        <source>--copies takes a number from %1 to %2.</source>
        <translation>--copies accetta un numero da %1 a %2.</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <translation>Opzione sconosciuta %1.</translation>
    </message>
    <message>
        <source>One design at a time: %1 and %2 were given.</source>
        <translation>Un progetto alla volta: sono stati indicati %1 e %2.</translation>
    </message>
    <message>
        <source>No action: --export-pdf, --export-png or --print.</source>
        <translation>Nessuna azione: --export-pdf, --export-png o --print.</translation>
    </message>
    <message>
        <source>--printer, --copies and --yes go with --print only.</source>
        <translation>--printer, --copies e --yes vanno solo con --print.</translation>
    </message>
    <message>
        <source>%1 needs --side %2.</source>
        <translation>%1 richiede --side %2.</translation>
    </message>
    <message>
        <source>No design file is given.</source>
        <translation>Non è indicato alcun file di progetto.</translation>
    </message>
    <message>
        <source>The output would replace the design %1.</source>
        <translation>L&apos;uscita sostituirebbe il progetto %1.</translation>
    </message>
    <message>
        <source>Nothing was done: %1</source>
        <translation>Non è stato fatto nulla: %1</translation>
    </message>
    <message>
        <source>With any action, --addresses LIST (a CSV or vCard file) prints a card for each of its addresses in place of the design&apos;s address list.</source>
        <translation>Con qualsiasi azione, --addresses ELENCO (un file CSV o vCard) stampa una cartolina per ciascuno dei suoi indirizzi al posto dell’elenco di indirizzi del progetto.</translation>
    </message>
    <message>
        <source>--quality takes fine or as-shown.</source>
        <translation>--quality accetta fine o as-shown.</translation>
    </message>
    <message>
        <source>--for-print-shop goes with --export-pdf only.</source>
        <translation>--for-print-shop va solo con --export-pdf.</translation>
    </message>
    <message>
        <source>Usage: %1 (--export-pdf OUT.pdf [--for-print-shop] | --export-png OUT.png | --print) --side SIDE [--quality fine|as-shown] [--printer NAME] [--copies N] [--yes] DESIGN.postcard; --help tells more.</source>
        <translation>Uso: %1 (--export-pdf USCITA.pdf [--for-print-shop] | --export-png USCITA.png | --print) --side LATO [--quality fine|as-shown] [--printer NOME] [--copies N] [--yes] PROGETTO.postcard; --help dice di più.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION...] DESIGN.postcard
Prints or exports a postcard design without a window; a design alone opens it in the window.

  --export-pdf OUT.pdf --side fronts|backs|both
      the pages as Print makes them without a printer, on the layout&apos;s paper
      (both: the fronts, then the backs placed for the design&apos;s sheet turn);
      --for-print-shop: one card a page at its real size, with a bleed of 1/8 inch
      and crop marks
  --export-png OUT.png --side front|back
      one card at sheet resolution (the back as Save Image BitMap saves it)
  --print --side fronts|backs|both [--printer NAME] [--copies N] [--yes]
      prints on the default printer or NAME; both prints the two sides in one go
      on a printer that can; --copies from %2 to %3 replaces the design&apos;s;
      --yes prints even when the paper cuts the cards
  --quality fine|as-shown
      with --export-pdf and --print: fine (the default) draws the pages at the
      printer&apos;s resolution, text as text; as-shown stretches the 200 dpi pages
  --help, --version

Exit status: 0 done, 1 an error (nothing is written), 2 bad usage.</source>
        <translation>Uso: %1 [OPZIONE...] PROGETTO.postcard
Stampa o esporta un progetto di cartolina senza finestra; un progetto da solo lo apre nella finestra.

  --export-pdf USCITA.pdf --side fronts|backs|both
      le pagine come le fa Stampa senza stampante, sulla carta della disposizione
      (both: i fronti, poi i retri posti per il giro del foglio del progetto);
      --for-print-shop: una cartolina per pagina alla sua misura reale, con un
      margine di abbondanza di 1/8 di pollice e segni di taglio
  --export-png USCITA.png --side front|back
      una cartolina alla risoluzione del foglio (il retro come «Salva immagine BMP»)
  --print --side fronts|backs|both [--printer NOME] [--copies N] [--yes]
      stampa sulla stampante predefinita o NOME; both stampa i due lati in una volta
      su una stampante che lo sa fare; --copies da %2 a %3 sostituisce quello del progetto;
      --yes stampa anche quando la carta taglia le cartoline
  --quality fine|as-shown
      con --export-pdf e --print: fine (predefinito) disegna le pagine alla
      risoluzione della stampante, il testo come testo; as-shown allunga le pagine a 200 dpi
  --help, --version

Stato di uscita: 0 fatto, 1 un errore (non viene scritto nulla), 2 uso errato.</translation>
    </message>
    <message>
        <source>There is no layout &quot;%1&quot;; --layout takes %2.</source>
        <translation>Non esiste la disposizione &quot;%1&quot;; --layout accetta %2.</translation>
    </message>
    <message>
        <source>With any action, --layout NAME puts the cards on another layout for one run: &quot;4 A6 on A4&quot; (or a6-on-a4), &quot;Single A6&quot; (single-a6) or one of the four of the window, named in any case. A layout whose paper the printer does not offer prints on the printer&apos;s paper with --yes only.</source>
        <translation>Con qualsiasi azione, --layout NOME mette le cartoline su un&apos;altra disposizione per una sola esecuzione: &quot;4 A6 su A4&quot; (o a6-on-a4), &quot;Una A6&quot; (single-a6) o una delle quattro della finestra, in maiuscolo o minuscolo. Una disposizione la cui carta la stampante non offre si stampa sulla carta della stampante solo con --yes.</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>the setting &quot;%1&quot; is missing</source>
        <translation>manca l&apos;impostazione «%1»</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>vero o falso</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>a number above %1 and up to %2</source>
        <translation>un numero maggiore di %1 e fino a %2</translation>
    </message>
    <message>
        <source>a colour written #RRGGBB</source>
        <translation>un colore scritto #RRGGBB</translation>
    </message>
    <message>
        <source>a group of settings</source>
        <translation>un gruppo di impostazioni</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>un elenco</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be %2</source>
        <translation>l&apos;impostazione «%1» deve essere %2</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must hold %2 styles</source>
        <translation>l&apos;impostazione «%1» deve contenere %2 stili</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; must be a group of settings</source>
        <translation>l&apos;impostazione «%1» deve essere un gruppo di impostazioni</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; names no file</source>
        <translation>l&apos;impostazione «%1» non nomina alcun file</translation>
    </message>
    <message>
        <source>its version is not written as major.minor</source>
        <translation>la sua versione non è scritta come maggiore.minore</translation>
    </message>
    <message>
        <source>its settings cannot be read (%1)</source>
        <translation>le sue impostazioni non si possono leggere (%1)</translation>
    </message>
    <message>
        <source>its version %1 is unknown</source>
        <translation>la sua versione %1 è sconosciuta</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a postcard design of Talmiro Postcard Print, so it cannot be opened as one.</source>
        <translation>Il file «%1» non è un progetto di cartolina di Talmiro Postcard Print, quindi non si può aprire come tale.</translation>
    </message>
    <message>
        <source>The design could not be saved: %1.</source>
        <translation>Non è stato possibile salvare il progetto: %1.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: %2. The file is damaged or cut short; nothing was changed.</source>
        <translation>Impossibile aprire il progetto «%1»: %2. Il file è danneggiato o troncato; non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; was saved in design format %2 by a newer version of Talmiro Postcard Print; this version reads design format %3. Nothing was changed.</source>
        <translation>Il progetto «%1» è stato salvato nel formato %2 da una versione più recente di Talmiro Postcard Print; questa versione legge il formato %3. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a postcard design: %2 MB.</source>
        <translation>Il file «%1» è troppo grande per essere un progetto di cartolina: %2 MB.</translation>
    </message>
    <message>
        <source>The design &quot;%1&quot; cannot be opened: its picture for %2 cannot be used. %3 Nothing was changed.</source>
        <translation>Impossibile aprire il progetto «%1»: la sua immagine per %2 non si può usare. %3 Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>the setting &quot;%1&quot; holds more than %2 photos</source>
        <translation>l’impostazione «%1» contiene più di %2 foto</translation>
    </message>
    <message>
        <source>The design could not be saved: its pictures take %1 MB, more than the %2 MB a design holds. Choose fewer or smaller photos.</source>
        <translation>Non è stato possibile salvare il progetto: le sue immagini occupano %1 MB, più dei %2 MB che un progetto può contenere. Scegliete meno foto o foto più piccole.</translation>
    </message>
    <message>
        <source>its layout &quot;%1&quot; is wrong: %2</source>
        <translation>il suo layout &quot;%1&quot; è errato: %2</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>the lower left corner</source>
        <translation>l&apos;angolo in basso a sinistra</translation>
    </message>
    <message>
        <source>the postcard front</source>
        <translation>il fronte della cartolina</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>JPEG error #%1</source>
        <translation>Errore JPEG n. %1</translation>
    </message>
    <message>
        <source>The JPEG file &quot;%1&quot; is not read: decoding its %2 x %3 pixels takes too long (it was stopped in scan %4).</source>
        <translation>Il file JPEG «%1» non viene letto: decodificare i suoi %2 x %3 pixel richiede troppo tempo (interrotto alla scansione %4).</translation>
    </message>
</context>
<context>
    <name>PagePrint</name>
    <message>
        <source>cards</source>
        <comment>the cut part of the ...</comment>
        <translation>delle cartoline</translation>
    </message>
    <message>
        <source>left card</source>
        <comment>the cut part of the ...</comment>
        <translation>della cartolina sinistra</translation>
    </message>
    <message>
        <source>right card</source>
        <comment>the cut part of the ...</comment>
        <translation>della cartolina destra</translation>
    </message>
    <message>
        <source>upper card</source>
        <comment>the cut part of the ...</comment>
        <translation>della cartolina superiore</translation>
    </message>
    <message>
        <source>lower card</source>
        <comment>the cut part of the ...</comment>
        <translation>della cartolina inferiore</translation>
    </message>
    <message>
        <source>left cards</source>
        <comment>the cut part of the ...</comment>
        <translation>delle cartoline a sinistra</translation>
    </message>
    <message>
        <source>upper cards</source>
        <comment>the cut part of the ...</comment>
        <translation>delle cartoline in alto</translation>
    </message>
    <message>
        <source>right cards</source>
        <comment>the cut part of the ...</comment>
        <translation>delle cartoline a destra</translation>
    </message>
    <message>
        <source>lower cards</source>
        <comment>the cut part of the ...</comment>
        <translation>delle cartoline in basso</translation>
    </message>
    <message>
        <source>card</source>
        <comment>the cut part of the ...</comment>
        <translation>della cartolina</translation>
    </message>
    <message>
        <source>4 x 6 in</source>
        <translation>4 x 6 pollici</translation>
    </message>
    <message>
        <source>the left %1 mm of the %2</source>
        <translation>i %1 mm a sinistra %2</translation>
    </message>
    <message>
        <source>the top %1 mm of the %2</source>
        <translation>i %1 mm in alto %2</translation>
    </message>
    <message>
        <source>the right %1 mm of the %2</source>
        <translation>i %1 mm a destra %2</translation>
    </message>
    <message>
        <source>the bottom %1 mm of the %2</source>
        <translation>i %1 mm in basso %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source> are cut</source>
        <translation> vengono tagliati</translation>
    </message>
    <message>
        <source> is cut</source>
        <translation> vengono tagliati</translation>
    </message>
    <message>
        <source>On this printer&apos;s %1 paper %2 by the margins it cannot print on. Print anyway?</source>
        <translation>Sulla carta %1 di questa stampante, %2 dai margini su cui non può stampare. Stampare comunque?</translation>
    </message>
    <message>
        <source>This layout needs %1 paper; on %2 %3. Print anyway?</source>
        <translation>Questa disposizione richiede carta %1; su %2, %3. Stampare comunque?</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Reading the picture &quot;%1&quot; was cancelled.</source>
        <translation>La lettura dell&apos;immagine «%1» è stata annullata.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels need %4 MB to read, and one picture may use at most %5 MB.</source>
        <translation>L&apos;immagine «%1» è troppo grande: i suoi %2 x %3 pixel richiedono %4 MB per la lettura, e un&apos;immagine può usare al massimo %5 MB.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is too large: its %2 x %3 pixels take too long to decode.</source>
        <translation>L&apos;immagine «%1» è troppo grande: decodificare i suoi %2 x %3 pixel richiede troppo tempo.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; ends before its picture does; it may have been cut short while copying.</source>
        <translation>Il file «%1» finisce prima della sua immagine; forse è stato troncato durante la copia.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged and cannot be read.</source>
        <translation>L’immagine «%1» è danneggiata e non può essere letta.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged in the middle: part of it cannot be decoded.</source>
        <translation>L’immagine «%1» è danneggiata nel mezzo: una parte non può essere decodificata.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is a kind of %2 file this program cannot read (%3).</source>
        <translation>L’immagine «%1» è un tipo di file %2 che questo programma non sa leggere (%3).</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixel</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; is damaged: its file holds far more data than its %2 can need.</source>
        <translation>L’immagine «%1» è danneggiata: il suo file contiene molti più dati di quanti ne possano servire ai suoi %2.</translation>
    </message>
    <message>
        <source>Not enough memory to read the %1 x %2 picture &quot;%3&quot;.</source>
        <translation>Memoria insufficiente per leggere l’immagine «%3» di %1 x %2.</translation>
    </message>
    <message>
        <source>The picture file &quot;%1&quot; is too large: it has %2 MB, and a picture file may have at most %3 MB.</source>
        <translation>Il file immagine «%1» è troppo grande: ha %2 MB, e un file immagine può avere al massimo %3 MB.</translation>
    </message>
    <message>
        <source>Not enough memory to read the picture &quot;%1&quot;.</source>
        <translation>Memoria insufficiente per leggere l’immagine «%1».</translation>
    </message>
    <message>
        <source>The WebP decoder cannot be used.</source>
        <translation>Il decodificatore WebP non può essere usato.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read to its end: %2</source>
        <translation>Il file «%1» non è stato letto fino alla fine: %2</translation>
    </message>
    <message>
        <source>%1 bits a sample</source>
        <translation>%1 bit per campione</translation>
    </message>
    <message>
        <source>a lossless or hierarchical one</source>
        <translation>senza perdita o gerarchico</translation>
    </message>
    <message>
        <source>its colours are stored in an unknown way</source>
        <translation>i suoi colori sono memorizzati in un modo sconosciuto</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. The picture could not be encoded as JPEG.</source>
        <translation>Impossibile creare il file «%1». L’immagine non è stata codificata come JPEG.</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The picture &quot;%1&quot; has a width or height of 0 and cannot be used.</source>
        <translation>L&apos;immagine «%1» ha larghezza o altezza 0 e non si può usare.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Il file «%1» è vuoto.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a picture that can be read. Pictures can be %2.</source>
        <translation>Il file «%1» non è un&apos;immagine leggibile. Le immagini possono essere %2.</translation>
    </message>
    <message>
        <source>All pictures (%1)|%1</source>
        <translation>Tutte le immagini (%1)|%1</translation>
    </message>
    <message>
        <source>All files (*)|*</source>
        <translation>Tutti i file (*)|*</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Page of fronts</source>
        <translation>Pagina dei fronti</translation>
    </message>
    <message>
        <source>Page of backs</source>
        <translation>Pagina dei retri</translation>
    </message>
    <message>
        <source>Backs seen through the sheet, over their fronts</source>
        <translation>Retri visti attraverso il foglio, sopra i loro fronti</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>&amp;Previous Sheet</source>
        <translation>Foglio &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Sheet</source>
        <translation>Foglio &amp;successivo</translation>
    </message>
    <message>
        <source>Zoom to &amp;Fit</source>
        <translation>&amp;Adatta alla finestra</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom to 100 %</source>
        <translation>Zoom al 100 %</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Paper %1 x %2 mm at %3 dpi; the shaded edge is what the printer cannot reach. Print Quality: %4. Copies: %5.</source>
        <translation>Carta %1 x %2 mm a %3 dpi; il bordo ombreggiato è ciò che la stampante non raggiunge. Qualità di stampa: %4. Copie: %5.</translation>
    </message>
    <message>
        <source>As shown</source>
        <translation>Come visto</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Only the backs print: the card has no front picture yet.</source>
        <translation>Si stampano solo i retri: la cartolina non ha ancora un&apos;immagine per il fronte.</translation>
    </message>
    <message>
        <source>Both sides print in one go, the printer turning the sheet over its %1.</source>
        <translation>Entrambi i lati si stampano in una volta, la stampante gira il foglio sul suo %1.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>lato corto</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>lato lungo</translation>
    </message>
    <message>
        <source>The fronts print first; then the sheets go back in turned over %1, and the backs print on them.</source>
        <translation>Prima si stampano i fronti; poi i fogli rientrano girati %1 e vi si stampano i retri.</translation>
    </message>
    <message>
        <source>like a wall calendar</source>
        <translation>come un calendario da parete</translation>
    </message>
    <message>
        <source>like the page of a book</source>
        <translation>come la pagina di un libro</translation>
    </message>
    <message>
        <source>The paper or the printer&apos;s margins cut the cards; Print asks first.</source>
        <translation>La carta o i margini della stampante tagliano le cartoline; Stampa chiede prima.</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>Foglio %1 di %2</translation>
    </message>
</context>
<context>
    <name>PrinterMetrics</name>
    <message>
        <source>The selected printer reports a resolution of %1 x %2 dots per inch and cannot be used. Choose another printer with Printer Setup.</source>
        <translation>La stampante scelta indica una risoluzione di %1 x %2 punti per pollice e non si può usare. Scegli un&apos;altra stampante con «Imposta stampante».</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Other Paper</source>
        <translation>Altra carta</translation>
    </message>
    <message>
        <source>New layout of your own</source>
        <translation>Nuovo layout personale</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>Your own layout, as your stock has it</source>
        <translation>Il vostro layout, come sulla vostra carta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Card &amp;width:</source>
        <translation>&amp;Larghezza cartolina:</translation>
    </message>
    <message>
        <source>Card &amp;height:</source>
        <translation>&amp;Altezza cartolina:</translation>
    </message>
    <message>
        <source>&amp;Rows:</source>
        <translation>&amp;Righe:</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Colonne:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Carta:</translation>
    </message>
    <message>
        <source>Paper w&amp;idth:</source>
        <translation>La&amp;rghezza carta:</translation>
    </message>
    <message>
        <source>Paper h&amp;eight:</source>
        <translation>Alt&amp;ezza carta:</translation>
    </message>
    <message>
        <source>Gap &amp;across:</source>
        <translation>&amp;Spazio orizzontale:</translation>
    </message>
    <message>
        <source>Gap &amp;down:</source>
        <translation>Spa&amp;zio verticale:</translation>
    </message>
    <message>
        <source>&amp;Left margin:</source>
        <translation>&amp;Margine sinistro:</translation>
    </message>
    <message>
        <source>&amp;Top margin:</source>
        <translation>Margine su&amp;periore:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Picture preview</source>
        <translation>Anteprima dell&apos;immagine</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Address List</source>
        <translation>Elenco indirizzi</translation>
    </message>
    <message>
        <source>Which columns of &quot;%1&quot; make each line of the address:</source>
        <translation>Quali colonne di «%1» formano ogni riga dell’indirizzo:</translation>
    </message>
    <message>
        <source>Line &amp;%1:</source>
        <translation>Riga &amp;%1:</translation>
    </message>
    <message>
        <source>Line %1, part %2</source>
        <translation>Riga %1, parte %2</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(niente)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>&amp;Start at card:</source>
        <translation>&amp;Inizia dalla cartolina:</translation>
    </message>
    <message>
        <source>(no record has an address in these columns)</source>
        <translation>(nessuna voce ha un indirizzo in queste colonne)</translation>
    </message>
</context>
<context>
    <name>QtPrinterDevice</name>
    <message>
        <source>The printer &quot;%1&quot; is no longer installed, so nothing was printed. Choose a printer with Printer Setup.</source>
        <translation>La stampante «%1» non è più installata, quindi non è stato stampato nulla. Scegli una stampante con «Imposta stampante».</translation>
    </message>
    <message>
        <source>The printing service cannot be reached, so nothing was printed on &quot;%1&quot;. Start it again, or choose another printer with Printer Setup.</source>
        <translation>Il servizio di stampa non è raggiungibile, quindi non è stato stampato nulla su «%1». Riavvialo, o scegli un&apos;altra stampante con «Imposta stampante».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again, or choose another printer with Printer Setup.</source>
        <translation>La stampante «%1» non accetta lavori, quindi non è stato stampato nulla. Falle accettare di nuovo i lavori, o scegli un&apos;altra stampante con «Imposta stampante».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the page (%2), so nothing was printed.</source>
        <translation>La stampante «%1» non ha accettato la pagina (%2), quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>No file is named for the PDF output, so nothing was printed. Name one with Printer Setup.</source>
        <translation>Nessun file è indicato per l&apos;uscita PDF, quindi non è stato stampato nulla. Indicane uno con «Imposta stampante».</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: its folder does not exist.</source>
        <translation>Non è stato possibile scrivere il file PDF «%1»: la sua cartella non esiste.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be started.</source>
        <translation>Non è stato possibile iniziare il file PDF «%1».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the page.</source>
        <translation>La stampante «%1» non ha potuto iniziare la pagina.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the next page.</source>
        <translation>La stampante «%1» non ha potuto iniziare la pagina successiva.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer &quot;%1&quot;.</source>
        <translation>Non è stato possibile inviare la pagina alla stampante «%1».</translation>
    </message>
    <message>
        <source>No printer is installed, so the page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>Non è installata alcuna stampante, quindi la pagina è stata salvata come file PDF «%1».</translation>
    </message>
    <message>
        <source>The page was saved as the PDF file &quot;%1&quot;.</source>
        <translation>La pagina è stata salvata come file PDF «%1».</translation>
    </message>
    <message>
        <source> Print %1 copies of it.</source>
        <translation> Stampane %1 copie.</translation>
    </message>
    <message>
        <source>No printer is installed and the page could not be saved, so nothing was printed. </source>
        <translation>Non è installata alcuna stampante e la pagina non è stata salvata, quindi non è stato stampato nulla. </translation>
    </message>
    <message>
        <source>The page could not be saved as the PDF file, so nothing was printed. </source>
        <translation>Non è stato possibile salvare la pagina come file PDF, quindi non è stato stampato nulla. </translation>
    </message>
    <message>
        <source>The PDF output for &quot;%1&quot; came out incomplete.</source>
        <translation>L&apos;uscita PDF per «%1» è incompleta.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; held %2 of its %3 bytes when read back, so it was removed.</source>
        <translation>Riletto, il file PDF «%1» conteneva %2 dei suoi %3 byte, quindi è stato rimosso.</translation>
    </message>
    <message>
        <source>No printer is installed, so nothing was printed.</source>
        <translation>Non è installata alcuna stampante, quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not installed, so nothing was printed.</source>
        <translation>La stampante «%1» non è installata, quindi non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>The PDF file could not be made, so nothing was saved. </source>
        <translation>Non è stato possibile creare il file PDF, quindi non è stato salvato nulla. </translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>A card of %1 x %2 mm cannot be drawn: cards are from 5 x 3.5 inches (127 x 88.9 mm) to A5 (210 x 148 mm), the width being the long side.</source>
        <translation>Una cartolina di %1 x %2 mm non può essere disegnata: le cartoline vanno da 5 x 3,5 pollici (127 x 88,9 mm) ad A5 (210 x 148 mm), con la larghezza come lato lungo.</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Verticale - Verticale</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Orizz. - Orizz.</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Una su carta 4x6</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 per foglio</translation>
    </message>
    <message>
        <source>4 A6 on A4</source>
        <translation>4 A6 su A4</translation>
    </message>
    <message>
        <source>Single A6</source>
        <translation>Una A6</translation>
    </message>
    <message>
        <source>A layout of your own needs a name.</source>
        <translation>Un layout personale ha bisogno di un nome.</translation>
    </message>
    <message>
        <source>A layout has from 1 to %1 rows and columns.</source>
        <translation>Un layout ha da 1 a %1 righe e colonne.</translation>
    </message>
    <message>
        <source>The cards, their gaps and the margins (%1 x %2 mm) do not fit on the paper of %3 x %4 mm.</source>
        <translation>Le cartoline, i loro spazi e i margini (%1 x %2 mm) non stanno sulla carta di %3 x %4 mm.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Talmiro Postcard Print</source>
        <translation>Talmiro Postcard Print</translation>
    </message>
    <message>
        <source>Postcard pages</source>
        <translation>Pagine di cartoline</translation>
    </message>
    <message>
        <source>Postcard Back</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>Displays how the card will be printed.</source>
        <translation>Mostra come verrà stampata la cartolina.</translation>
    </message>
    <message>
        <source>Each card is displayed while printing.</source>
        <translation>Ogni cartolina viene mostrata durante la stampa.</translation>
    </message>
    <message>
        <source>Postcard Back preview</source>
        <translation>Anteprima del retro</translation>
    </message>
    <message>
        <source>Text/Image</source>
        <translation>Testo/Immagine</translation>
    </message>
    <message>
        <source>Enter your text, select an image if you want to use one, and decide what areas you want to print.</source>
        <translation>Scrivi il tuo testo, scegli un&apos;immagine se vuoi usarne una e decidi quali zone stampare.</translation>
    </message>
    <message>
        <source>Title Text</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Descriptive Text</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Vertical Text</source>
        <translation>Testo verticale</translation>
    </message>
    <message>
        <source>Lower Left Text</source>
        <translation>Testo d&apos;angolo</translation>
    </message>
    <message>
        <source>Stamp Text</source>
        <translation>Testo francobollo</translation>
    </message>
    <message>
        <source>Postal Bar Code Area Text</source>
        <translation>Testo zona codice</translation>
    </message>
    <message>
        <source>Image (right click menu)</source>
        <translation>Immagine (menu: tasto dx)</translation>
    </message>
    <message>
        <source>PostCard Text</source>
        <translation>Testo «Cartolina»</translation>
    </message>
    <message>
        <source>Name and Address Text:</source>
        <translation>Nome e indirizzo:</translation>
    </message>
    <message>
        <source>Image will be used to print in lower left corner of card back.  Right click for popup menu.</source>
        <translation>L&apos;immagine verrà stampata nell&apos;angolo in basso a sinistra del retro. Tasto destro per il menu.</translation>
    </message>
    <message>
        <source>Title of postcard, by default will print bold.</source>
        <translation>Titolo della cartolina, stampato in grassetto per impostazione predefinita.</translation>
    </message>
    <message>
        <source>TITLE TEXT</source>
        <translation>TITOLO</translation>
    </message>
    <message>
        <source>A short description for your postcard.</source>
        <translation>Una breve descrizione della tua cartolina.</translation>
    </message>
    <message>
        <source>Will print vertical in the center of the postcard to seperate the letter section from the address section.  May use this text, solid lines or nothing.</source>
        <translation>Viene stampato in verticale al centro della cartolina per separare la parte del messaggio da quella dell&apos;indirizzo. Si può usare questo testo, una linea continua o niente.</translation>
    </message>
    <message>
        <source>CreatedBy Text (Vertical Text)</source>
        <translation>Creato da (testo verticale)</translation>
    </message>
    <message>
        <source>This text will print in the area where the stamp is placed when mailing.  If you do not want any text there, clear the current text.</source>
        <translation>Questo testo viene stampato dove si incolla il francobollo per la spedizione. Se non vuoi alcun testo lì, cancellalo.</translation>
    </message>
    <message>
        <source>PLACE

STAMP

HERE</source>
        <translation>FRANCO-

BOLLO</translation>
    </message>
    <message>
        <source>Selects how the address area will be printed, nothing or lines or the text that is entered int eh Name and Address Text.</source>
        <translation>Sceglie come stampare la zona dell&apos;indirizzo: niente, righe o il testo scritto in «Nome e indirizzo».</translation>
    </message>
    <message>
        <source>Address Lines</source>
        <translation>Righe indirizzo</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Niente</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Selects what is used, if anythng, between the letter area and the address area of the postcard.</source>
        <translation>Sceglie cosa mettere, se serve, tra la parte del messaggio e quella dell&apos;indirizzo.</translation>
    </message>
    <message>
        <source>Address Seperator</source>
        <translation>Separatore</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Thin line</source>
        <translation>Linea fine</translation>
    </message>
    <message>
        <source>Heavy line</source>
        <translation>Linea spessa</translation>
    </message>
    <message>
        <source>Selects what kind of a border, if any will be drawn around the text in the postage stamp area.</source>
        <translation>Sceglie quale bordo, se serve, disegnare intorno al testo nella zona del francobollo.</translation>
    </message>
    <message>
        <source>Stamp Border</source>
        <translation>Bordo francobollo</translation>
    </message>
    <message>
        <source>Thin box</source>
        <translation>Sottile</translation>
    </message>
    <message>
        <source>Thick box</source>
        <translation>Spesso</translation>
    </message>
    <message>
        <source>Stamp </source>
        <translation>Dentelli </translation>
    </message>
    <message>
        <source>If &quot;yes&quot; will print the box on the card which shows were the post office requires you to leave blank for the post office bar code.</source>
        <translation>Se «Sì», stampa il riquadro che le Poste chiedono di lasciare libero per il loro codice a barre.</translation>
    </message>
    <message>
        <source>Postal Bar Code Box</source>
        <translation>Zona codice</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>If selected and text entered will print in the lower left corner instead of an image.</source>
        <translation>Se scelto e scritto, questo testo viene stampato in basso a sinistra al posto di un&apos;immagine.</translation>
    </message>
    <message>
        <source>Selects what is printed in the lower left corner if anything.</source>
        <translation>Sceglie cosa stampare nell&apos;angolo in basso a sinistra, se serve.</translation>
    </message>
    <message>
        <source>Lower Left Corner</source>
        <translation>Angolo inf. sin.</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Text to identify the post office bar code area as a do not write area.</source>
        <translation>Testo che indica la zona del codice a barre delle Poste come zona da non scrivere.</translation>
    </message>
    <message>
        <source>PLEASE DO NOT WRITE BELOW THIS LINE</source>
        <translation>NON SCRIVERE SOTTO QUESTA LINEA</translation>
    </message>
    <message>
        <source>This text will print just to the left of the stamp area.</source>
        <translation>Questo testo viene stampato appena a sinistra della zona del francobollo.</translation>
    </message>
    <message>
        <source>PostCard</source>
        <translation>Cartolina</translation>
    </message>
    <message>
        <source>Selects if the PostCard Text will print or not.</source>
        <translation>Sceglie se stampare o no il testo «Cartolina».</translation>
    </message>
    <message>
        <source>Enter a name and address in this area if you want to pre-address the postcards.</source>
        <translation>Scrivi qui un nome e un indirizzo se vuoi stampare le cartoline già indirizzate.</translation>
    </message>
    <message>
        <source>PostCard Front</source>
        <translation>Fronte</translation>
    </message>
    <message>
        <source>Enter Text for PostCard Front:</source>
        <translation>Testo del fronte:</translation>
    </message>
    <message>
        <source>PostCard Front Image (right click for menu)</source>
        <translation>Immagine del fronte (menu: tasto destro)</translation>
    </message>
    <message>
        <source>Image Size (% of Orginal)</source>
        <translation>Dimensione (% originale)</translation>
    </message>
    <message>
        <source>ImageOffset (%)</source>
        <translation>Spostamento (%)</translation>
    </message>
    <message>
        <source>Horiziontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Front Text Picker</source>
        <translation>Testo del fronte</translation>
    </message>
    <message>
        <source>Current Position/Color</source>
        <translation>Posizione/colore attuale</translation>
    </message>
    <message>
        <source>Pick New Position with Cursor</source>
        <translation>Scegli posizione col clic</translation>
    </message>
    <message>
        <source>Pick New Font Color with Cursor</source>
        <translation>Scegli colore col clic</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About sample</source>
        <translation>Cartolina di esempio</translation>
    </message>
    <message>
        <source>Click to start designing your postcard backs.</source>
        <translation>Fai clic per iniziare a creare i retri delle tue cartoline.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>End program.</source>
        <translation>Esci dal programma.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print

Design the back of your postcards here: title, description, stamp box, address area and a picture or text in the lower left corner.

Put a photo on the front, scale it, shift it and letter it by clicking on the preview.

Print the fronts, turn the sheet over, and print the backs on the reverse.

Press Continue to begin.</source>
        <translation>Talmiro Postcard Print

Crea qui il retro: titolo, descrizione, francobollo, indirizzo e un&apos;immagine o un testo in basso a sinistra.

Metti una foto sul fronte, scalala, spostala e scrivici con un clic sull&apos;anteprima.

Stampa i fronti, gira il foglio e stampa i retri.

Premi «Continua» per iniziare.</translation>
    </message>
    <message>
        <source>About Talmiro Postcard Print</source>
        <translation>Informazioni su Talmiro Postcard Print</translation>
    </message>
    <message>
        <source>Portrait - Portrait</source>
        <translation>Verticale - Verticale</translation>
    </message>
    <message>
        <source>Landscape-Landscape</source>
        <translation>Orizz. - Orizz.</translation>
    </message>
    <message>
        <source>Single on 4x6 paper</source>
        <translation>Una su carta 4x6</translation>
    </message>
    <message>
        <source>4 on Sheet</source>
        <translation>4 per foglio</translation>
    </message>
    <message>
        <source>Sample corner picture</source>
        <translation>Immagine d&apos;angolo di esempio</translation>
    </message>
    <message>
        <source>Print and Text Setup</source>
        <translation>Stampa e testo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Select printer, and paper size.</source>
        <translation>Scegli la stampante e il formato della carta.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Will print the page of postcard backs to selected printer.</source>
        <translation>Stampa la pagina dei retri delle cartoline sulla stampante scelta.</translation>
    </message>
    <message>
        <source>The number of copies of each page printed.</source>
        <translation>Il numero di copie stampate di ogni pagina.</translation>
    </message>
    <message>
        <source>Number of Copies</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard to the right if a positive number, to the left if negative; 25 is an 1/8 in.</source>
        <translation>Se i retri non combaciano, questo sposta il retro a destra con un numero positivo o a sinistra con uno negativo; 25 è 1/8 di pollice (3 mm).</translation>
    </message>
    <message>
        <source>Print Image Adj</source>
        <translation>Correz. laterale</translation>
    </message>
    <message>
        <source>If the backs of the postcards don&apos;t line up, this moves the back of the postcard down if a positive number, up if negative; 25 is an 1/8 in.</source>
        <translation>Se i retri non combaciano, questo sposta il retro in basso con un numero positivo o in alto con uno negativo; 25 è 1/8 di pollice (3 mm).</translation>
    </message>
    <message>
        <source>Print Adj Down</source>
        <translation>Correz. verticale</translation>
    </message>
    <message>
        <source>The number of copies of each page printed, for example Old Maid is should be 2 so that pairs of cards will be created.</source>
        <translation>Il numero di copie di ogni pagina; per un gioco a coppie, per esempio, 2, così da ottenere coppie di carte.</translation>
    </message>
    <message>
        <source>Selects how the postcards are printed so the backs and fronts line up.  Use the &quot;Velloro&quot; cd default paper orientation to print the postcard fronts for best results.  Single in landscape prints one postcard back on the back of a 4x6 print.  And 4 on Sheet will print 4 4.25X5.5 inch postcard backs on one sheet.</source>
        <translation>Sceglie come stampare le cartoline perché retri e fronti combacino. Per risultati migliori stampa i fronti con l&apos;orientamento predefinito del CD «Velloro». «Una su carta 4x6» stampa un retro dietro una foto 4x6. «4 per foglio» stampa 4 retri da 4,25 x 5,5 pollici su un foglio.</translation>
    </message>
    <message>
        <source>Post Card Back Layout</source>
        <translation>Disposizione</translation>
    </message>
    <message>
        <source>Selects how you turn the printed sheet of fronts over before the backs are printed on it: Book, like the page of a book (left and right change places, the top stays at the top), or Calendar, like a wall calendar (top and bottom change places).  Either way each back prints head to head behind its front.</source>
        <translation>Sceglie come giri il foglio dei fronti prima di stampare i retri: Libro, come la pagina di un libro (sinistra e destra si scambiano, l&apos;alto resta in alto), o Blocco, come un blocco note o un calendario da muro (alto e basso si scambiano). In entrambi i casi ogni retro viene stampato dritto dietro il suo fronte.</translation>
    </message>
    <message>
        <source>Sheet Turn</source>
        <translation>Giro foglio</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Ends Program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>Shows how your postcard backs will print on the paper.</source>
        <translation>Mostra come verranno stampati i retri sulla carta.</translation>
    </message>
    <message>
        <source>Layout picture</source>
        <translation>Immagine della disposizione</translation>
    </message>
    <message>
        <source>Text Setup</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Use to change the font name, size an color for each area of the postcard back.</source>
        <translation>Serve a cambiare carattere, dimensione e colore di ogni zona del retro.</translation>
    </message>
    <message>
        <source>Check the areas you want to change.</source>
        <translation>Spunta le zone che vuoi cambiare.</translation>
    </message>
    <message>
        <source>Select Text Areas</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Stamp Border/Text</source>
        <translation>Bordo/testo franc.</translation>
    </message>
    <message>
        <source>Address Lines/Text</source>
        <translation>Righe/testo indir.</translation>
    </message>
    <message>
        <source>Postal Bar Code</source>
        <translation>Codice postale</translation>
    </message>
    <message>
        <source>UnSelect All</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Display font dialog window so you can select font, style and size.</source>
        <translation>Apre la finestra dei caratteri per scegliere carattere, stile e dimensione.</translation>
    </message>
    <message>
        <source>Display color dialog window so you can color to print the text in or to draw the lines.</source>
        <translation>Apre la finestra dei colori per scegliere il colore del testo o delle linee.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>If &quot;Lines&quot; is selected will print 5 lines in the address area of the postcard to help in addressing.  Otherwise no lines will print.</source>
        <translation>Con «Righe» vengono stampate 5 righe nella zona dell&apos;indirizzo per aiutare a scriverlo. Altrimenti non viene stampata alcuna riga.</translation>
    </message>
    <message>
        <source>Open Design...</source>
        <translation>Apri progetto...</translation>
    </message>
    <message>
        <source>Select a design file saved before, to go on with its card: the texts, fonts, colors, pictures and print settings.</source>
        <translation>Scegli un progetto salvato prima per riprendere la sua cartolina: testi, caratteri, colori, immagini e impostazioni di stampa.</translation>
    </message>
    <message>
        <source>Save Design</source>
        <translation>Salva progetto</translation>
    </message>
    <message>
        <source>Save the design of the card, pictures included, in its design file so that nothing is lost when the program ends.</source>
        <translation>Salva il progetto della cartolina, immagini comprese, nel suo file così che nulla vada perso alla chiusura del programma.</translation>
    </message>
    <message>
        <source>Save Design As...</source>
        <translation>Salva progetto come...</translation>
    </message>
    <message>
        <source>Select a file to save the design of the card in, pictures included.</source>
        <translation>Scegli un file in cui salvare il progetto della cartolina, immagini comprese.</translation>
    </message>
    <message>
        <source>Save Image BitMap...</source>
        <translation>Salva immagine BMP...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a bitmap.</source>
        <translation>Scegli un file in cui salvare il retro come bitmap.</translation>
    </message>
    <message>
        <source>Save Image jpg...</source>
        <translation>Salva immagine JPG...</translation>
    </message>
    <message>
        <source>Select a file to save the card back image as a jpg.</source>
        <translation>Scegli un file in cui salvare il retro come JPG.</translation>
    </message>
    <message>
        <source>Print Both Sides</source>
        <translation>Stampa fronte retro</translation>
    </message>
    <message>
        <source>Alignment Test...</source>
        <translation>Prova di allineamento...</translation>
    </message>
    <message>
        <source>Prints a test page of fronts with fine scales and then, after you turn the sheet over as the Sheet Turn says, a test page of backs with pointers: the number under each pointer is the value for Print Image Adj or Print Adj Down.</source>
        <translation>Stampa una pagina di prova dei fronti con scale fini e poi, dopo che hai girato il foglio come indica «Giro foglio», una pagina di prova dei retri con indici: il numero sotto ogni indice è il valore di «Correz. laterale» o «Correz. verticale».</translation>
    </message>
    <message>
        <source>End program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Open Image...</source>
        <translation>Apri immagine...</translation>
    </message>
    <message>
        <source>Select the image to be used on the lower left corner of the postcard back.</source>
        <translation>Scegli l&apos;immagine per l&apos;angolo in basso a sinistra del retro.</translation>
    </message>
    <message>
        <source>Delete Image</source>
        <translation>Elimina immagine</translation>
    </message>
    <message>
        <source>Deletes the image from the card back.</source>
        <translation>Toglie l&apos;immagine dal retro.</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Will print the page of postcard fronts to selected printer.</source>
        <translation>Stampa la pagina dei fronti delle cartoline sulla stampante scelta.</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard backs as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>Nessuna stampante installata: salva la pagina dei retri come file PDF nella cartella «%1».</translation>
    </message>
    <message>
        <source>No printer is installed: will save the page of postcard fronts as a PDF file in the folder &quot;%1&quot;.</source>
        <translation>Nessuna stampante installata: salva la pagina dei fronti come file PDF nella cartella «%1».</translation>
    </message>
    <message>
        <source>No printer installed: Print saves a PDF file in %1</source>
        <translation>Nessuna stampante: Stampa salva un PDF in %1</translation>
    </message>
    <message>
        <source>Talmiro Inc. - postcards from your own printer</source>
        <translation>Talmiro Inc. - cartoline dalla tua stampante</translation>
    </message>
    <message>
        <source>Version %1 %2</source>
        <translation>Versione %1 %2</translation>
    </message>
    <message>
        <source>Open an image for Front of PostCard</source>
        <translation>Apri un&apos;immagine per il fronte</translation>
    </message>
    <message>
        <source>Postcard Designs (*.%1)|*.%1</source>
        <translation>Progetti di cartoline (*.%1)|*.%1</translation>
    </message>
    <message>
        <source>Save PostCard Back as BitMap</source>
        <translation>Salva il retro come bitmap</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Immagini bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria esaurita.</translation>
    </message>
    <message>
        <source>The work folder &quot;%1&quot; could not be created, so pages cannot be printed until it can.</source>
        <translation>Non è stato possibile creare la cartella di lavoro «%1», quindi non si possono stampare pagine finché non sarà possibile.</translation>
    </message>
    <message>
        <source>Talmiro Postcard Print opens one design at a time; %1 files were named on its command line.</source>
        <translation>Talmiro Postcard Print apre un progetto alla volta; sulla riga di comando sono stati indicati %1 file.</translation>
    </message>
    <message>
        <source>End Program?</source>
        <translation>Uscire dal programma?</translation>
    </message>
    <message>
        <source>Are you sure you want to end program?</source>
        <translation>Vuoi davvero uscire dal programma?</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before the program ends?</source>
        <translation>Il progetto ha modifiche non salvate. Salvarle prima di uscire?</translation>
    </message>
    <message>
        <source>Opening the picture &quot;%1&quot;...</source>
        <translation>Apertura dell&apos;immagine «%1»...</translation>
    </message>
    <message>
        <source>Open Design</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Save Design As</source>
        <translation>Salva progetto come</translation>
    </message>
    <message>
        <source>The design has changes that are not saved. Save them before another design is opened?</source>
        <translation>Il progetto ha modifiche non salvate. Salvarle prima di aprire un altro progetto?</translation>
    </message>
    <message>
        <source>Opening the design &quot;%1&quot;...</source>
        <translation>Apertura del progetto «%1»...</translation>
    </message>
    <message>
        <source>Open the design saved in %1.</source>
        <translation>Apri il progetto salvato in %1.</translation>
    </message>
    <message>
        <source>Cards Cut Off</source>
        <translation>Cartoline tagliate</translation>
    </message>
    <message>
        <source>Alignment Test</source>
        <translation>Prova di allineamento</translation>
    </message>
    <message>
        <source>Prints the fronts and, on the back of the same sheet, the backs in one go; the printer turns the sheet over its %1, as set in Printer Setup.  Number of Copies counts sheets.</source>
        <translation>Stampa in una volta i fronti e, sul retro dello stesso foglio, i retri; la stampante gira il foglio sul %1, come impostato in «Stampante». «Copie» conta i fogli.</translation>
    </message>
    <message>
        <source>No printer is installed, so this is not available: Print saves the fronts and the backs each as a PDF file of its own.</source>
        <translation>Non è installata alcuna stampante, quindi questo non è disponibile: Stampa salva i fronti e i retri ciascuno in un proprio file PDF.</translation>
    </message>
    <message>
        <source>short edge</source>
        <translation>lato corto</translation>
    </message>
    <message>
        <source>long edge</source>
        <translation>lato lungo</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a bitmap.</source>
        <translation>Nome del file in cui salvare i retri come bitmap.</translation>
    </message>
    <message>
        <source>File name to save sheet of postcard backs, as a jpg.</source>
        <translation>Nome del file in cui salvare i retri come JPG.</translation>
    </message>
    <message>
        <source>Jpg (*.jpg)|*.jpg</source>
        <translation>Immagini JPG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Image not saved. No name entered for image.</source>
        <translation>Immagine non salvata. Non è stato inserito alcun nome.</translation>
    </message>
    <message>
        <source>Corner Picture</source>
        <translation>Immagine d&apos;angolo</translation>
    </message>
    <message>
        <source>Delete Corner Picture</source>
        <translation>Rimozione dell&apos;immagine d&apos;angolo</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Scrittura in %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Takes back the last change of the card.</source>
        <translation>Annulla l&apos;ultima modifica della cartolina.</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Makes again the change last taken back.</source>
        <translation>Rifà l&apos;ultima modifica annullata.</translation>
    </message>
    <message>
        <source>Front Picture</source>
        <translation>Immagine del fronte</translation>
    </message>
    <message>
        <source>Delete Front Picture</source>
        <translation>Rimozione dell&apos;immagine del fronte</translation>
    </message>
    <message>
        <source>Front Font</source>
        <translation>Carattere del fronte</translation>
    </message>
    <message>
        <source>Front Text Color</source>
        <translation>Colore del testo del fronte</translation>
    </message>
    <message>
        <source>Front Text Place</source>
        <translation>Posizione del testo del fronte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>No Post Card Back Layout is chosen, so nothing was printed. Choose one and print again.</source>
        <translation>Non è scelta alcuna disposizione, quindi non è stato stampato nulla. Scegline una e stampa di nuovo.</translation>
    </message>
    <message>
        <source>There is no picture for the postcard front yet, so nothing was printed. Click the front preview to open a picture, then print again.</source>
        <translation>Il fronte non ha ancora un&apos;immagine, quindi non è stato stampato nulla. Fai clic sull&apos;anteprima del fronte per aprire un&apos;immagine, poi stampa di nuovo.</translation>
    </message>
    <message>
        <source>This printer cannot print both sides of a sheet, so this is not available: print the fronts, turn the sheet over and print the backs, or choose a printer that prints both sides with Printer Setup.</source>
        <translation>Questa stampante non stampa fronte retro, quindi questo non è disponibile: stampa i fronti, gira il foglio e stampa i retri, o scegli con «Stampante» una stampante fronte retro.</translation>
    </message>
    <message>
        <source>&amp;Address List...</source>
        <translation>&amp;Elenco indirizzi...</translation>
    </message>
    <message>
        <source>Prints a card for each address of a CSV or vCard list.|Opens a list of addresses (CSV or vCard); the Address Lines item &quot;Text&quot; then prints each address on a card of its own.</source>
        <translation>Stampa una cartolina per ogni indirizzo di un elenco CSV o vCard.|Apre un elenco di indirizzi (CSV o vCard); la voce «Text» di Address Lines stampa allora ogni indirizzo su una cartolina propria.</translation>
    </message>
    <message>
        <source>&amp;Remove Address List</source>
        <translation>&amp;Rimuovi elenco indirizzi</translation>
    </message>
    <message>
        <source>Prints the typed address again instead of the list.</source>
        <translation>Stampa di nuovo l’indirizzo digitato invece dell’elenco.</translation>
    </message>
    <message>
        <source>Previous address</source>
        <translation>Indirizzo precedente</translation>
    </message>
    <message>
        <source>Next address</source>
        <translation>Indirizzo successivo</translation>
    </message>
    <message>
        <source>Address List</source>
        <translation>Elenco indirizzi</translation>
    </message>
    <message>
        <source>Address lists (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|All files (*)|*</source>
        <translation>Elenchi di indirizzi (*.csv;*.vcf;*.txt;*.tsv)|*.csv;*.vcf;*.txt;*.tsv|Tutti i file (*)|*</translation>
    </message>
    <message>
        <source>; its text is not UTF-8 and was read as Windows-1252</source>
        <translation>; il suo testo non è UTF-8 ed è stato letto come Windows-1252</translation>
    </message>
    <message>
        <source>Remove Address List</source>
        <translation>Rimuovi elenco indirizzi</translation>
    </message>
    <message>
        <source>Address %1 of %2</source>
        <translation>Indirizzo %1 di %2</translation>
    </message>
    <message>
        <source>Printing %1 sheets...</source>
        <translation>Stampa di %1 fogli...</translation>
    </message>
    <message>
        <source>Printing was cancelled: %1 of %2 sheets went to the printer.</source>
        <translation>La stampa è stata annullata: %1 fogli su %2 sono andati alla stampante.</translation>
    </message>
    <message>
        <source>None of the address list&apos;s addresses has more than a name in the columns chosen, so nothing was printed. Choose the columns with Files &gt; Address List... and print again.</source>
        <translation>Nessun indirizzo dell’elenco ha più di un nome nelle colonne scelte, quindi non è stato stampato nulla. Scegli le colonne con Files &gt; Address List... e stampa di nuovo.</translation>
    </message>
    <message>
        <source>Addresses from &quot;%1&quot;: %2</source>
        <translation>Indirizzi da «%1»: %2</translation>
    </message>
    <message>
        <source>Left out of the list, without an address: %1 contacts.</source>
        <translation>Esclusi dall’elenco, senza indirizzo: %1 contatti.</translation>
    </message>
    <message>
        <source>Fine draws each page for the printer at its own resolution: sharp text and lines, photos at their own detail. As shown prints the page as the previews show it, 200 dots per inch stretched to the printer.</source>
        <translation>Fine disegna ogni pagina per la stampante alla sua risoluzione: testo e linee nitidi, foto con il loro dettaglio. Come mostrato stampa la pagina come la mostrano le anteprime, a 200 punti per pollice allungati sulla stampante.</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>As
shown</source>
        <translation>Come
visto</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Esporta PDF...</translation>
    </message>
    <message>
        <source>Saves the card for a print shop as a PDF file: one card a page at its real size, its text as text and its photos at their own detail, with a bleed and crop marks if you wish.</source>
        <translation>Salva la cartolina per una tipografia come file PDF: una cartolina per pagina alla sua misura reale, il testo come testo e le foto con il loro dettaglio, con abbondanza e segni di taglio se vuoi.</translation>
    </message>
    <message>
        <source>Print Quality</source>
        <translation>Qualità di stampa</translation>
    </message>
    <message>
        <source>Export PDF for a print shop</source>
        <translation>Esporta PDF per una tipografia</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)|*.pdf</source>
        <translation>File PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Add a bleed of 1/8 inch (3 mm), the front picture reaching past the card&apos;s edges, and crop marks where the card is cut?</source>
        <translation>Aggiungere un&apos;abbondanza di 1/8 di pollice (3 mm), con l&apos;immagine del fronte oltre i bordi della cartolina, e segni di taglio dove la cartolina viene tagliata?</translation>
    </message>
    <message>
        <source>The card was saved as the PDF file &quot;%1&quot;, one card a page at its real size.</source>
        <translation>La cartolina è stata salvata come file PDF «%1», una cartolina per pagina alla sua misura reale.</translation>
    </message>
    <message>
        <source>Previous photo</source>
        <translation>Foto precedente</translation>
    </message>
    <message>
        <source>Next photo</source>
        <translation>Foto successiva</translation>
    </message>
    <message>
        <source>At most %1 photos make a run of cards, and %2 were chosen, so the front is unchanged. Choose fewer photos.</source>
        <translation>Una serie di cartoline accetta al massimo %1 foto e ne sono state scelte %2, quindi il fronte resta invariato. Scegliete meno foto.</translation>
    </message>
    <message>
        <source>Front Pictures</source>
        <translation>Immagini del fronte</translation>
    </message>
    <message>
        <source>Photo %1 of %2</source>
        <translation>Foto %1 di %2</translation>
    </message>
    <message>
        <source>Other paper</source>
        <translation>Altra carta</translation>
    </message>
    <message>
        <source>Chooses 4 A6 cards on A4, a single A6 card, or a layout of your own for your stock.</source>
        <translation>Sceglie 4 cartoline A6 su A4, una sola cartolina A6 o un layout personale per la vostra carta.</translation>
    </message>
    <message>
        <source>The fronts are printed. %1

Put the sheets back into the paper tray so that their blank side will be printed, turned over as the preview shows. Print the backs on them now?</source>
        <translation>I fronti sono stampati. %1

Rimetti i fogli nel vassoio della carta in modo che venga stampato il loro lato bianco, girati come mostra l&apos;anteprima. Stampare ora i retri su di essi?</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Anteprima di stampa...</translation>
    </message>
    <message>
        <source>Shows the sheets as the printer will get them: the fronts, the backs and the backs seen through the sheet, on the printer&apos;s paper in the chosen quality.</source>
        <translation>Mostra i fogli come li riceverà la stampante: i fronti, i retri e i retri visti attraverso il foglio, sulla carta della stampante nella qualità scelta.</translation>
    </message>
    <message>
        <source>Other &amp;Paper...</source>
        <translation>Altra &amp;carta...</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
</context>
</TS>
