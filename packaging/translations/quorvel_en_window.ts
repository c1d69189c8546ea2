<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Class</name>
    <message>
        <source>Per giocare con la classe manca un pezzo di Quorvel (%1): chiedi aiuto a chi amministra il computer.</source>
        <extracomment>%1 is the missing piece of the program, or why it could not be loaded</extracomment>
        <translation>A piece of Quorvel is missing to play with the class (%1): ask whoever looks after this computer for help.</translation>
    </message>
</context>
<context>
    <name>quorvel::AssistantControls</name>
    <message>
        <source>Voce</source>
        <translation>&amp;Voice</translation>
    </message>
    <message>
        <source>Sottotitoli</source>
        <translation>Su&amp;btitles</translation>
    </message>
    <message>
        <source>Salta</source>
        <translation>S&amp;kip</translation>
    </message>
</context>
<context>
    <name>quorvel::DocumentModule</name>
    <message>
        <source>Stampa il quaderno</source>
        <translation>Print the notebook</translation>
    </message>
</context>
<context>
    <name>quorvel::InfoPanel</name>
    <message>
        <source>informazioni</source>
        <translation>information</translation>
    </message>
    <message>
        <source> Versione %1</source>
        <extracomment>%1 is the program&apos;s version; the line starts with a space</extracomment>
        <translation> Version %1</translation>
    </message>
    <message>
        <source> Gioco didattico di supporto all&apos;acquisizione</source>
        <extracomment>the first of two lines that make one sentence; each line starts with a space</extracomment>
        <translation> An educational game that helps pupils learn</translation>
    </message>
    <message>
        <source> del concetto di modello e del metodo sperimentale</source>
        <extracomment>the second of two lines that make one sentence</extracomment>
        <translation> about models and the experimental method</translation>
    </message>
    <message>
        <source>Ideazione e programmazione: il gruppo Quorvel</source>
        <translation>Idea and programming: the Quorvel team</translation>
    </message>
    <message>
        <source>Con gli insegnanti e gli alunni delle classi di prova</source>
        <translation>With the teachers and pupils of the trial classes</translation>
    </message>
    <message>
        <source>Disegni, animazioni e voce del mago: opera nostra</source>
        <translation>Drawings, animations and the wizard&apos;s voice: our own work</translation>
    </message>
    <message>
        <source>© 2026 il gruppo Quorvel, tutti i diritti riservati</source>
        <translation>© 2026 the Quorvel team, all rights reserved</translation>
    </message>
    <message>
        <source>Una scatola chiusa: entrano due numeri, esce un numero</source>
        <translation>A closed box: two numbers go in, one number comes out</translation>
    </message>
</context>
<context>
    <name>quorvel::MachineForm</name>
    <message>
        <source>%1, primo numero</source>
        <extracomment>%1 is the digit on the key</extracomment>
        <translation>%1, first number</translation>
    </message>
    <message>
        <source>%1, secondo numero</source>
        <extracomment>%1 is the digit on the key</extracomment>
        <translation>%1, second number</translation>
    </message>
    <message>
        <source>Canc, primo numero</source>
        <translation>Clear, first number</translation>
    </message>
    <message>
        <source>Canc, secondo numero</source>
        <translation>Clear, second number</translation>
    </message>
    <message>
        <source>La macchina</source>
        <translation>The machine</translation>
    </message>
    <message>
        <source>esperimento</source>
        <translation>experiment</translation>
    </message>
    <message>
        <source>Operazioni</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>cambia meccanismo di calcolo</source>
        <translation>change the mechanism</translation>
    </message>
    <message>
        <source>Si preme anche con il tasto Invio.</source>
        <translation>You can also press the Enter key.</translation>
    </message>
    <message>
        <source>Si preme anche con il tasto F3.</source>
        <translation>You can also press the F3 key.</translation>
    </message>
    <message>
        <source>Si preme anche con il tasto F4.</source>
        <translation>You can also press the F4 key.</translation>
    </message>
    <message>
        <source>periferica non  disponibile</source>
        <translation>drive not available</translation>
    </message>
    <message>
        <source>Canc</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;salvameccanismo</source>
        <translation>&amp;save mechanism</translation>
    </message>
    <message>
        <source>&amp;aprimeccanismo</source>
        <translation>&amp;open mechanism</translation>
    </message>
    <message>
        <source>&amp;esci</source>
        <translation>&amp;quit</translation>
    </message>
    <message>
        <source>&amp;livello</source>
        <translation>&amp;level</translation>
    </message>
    <message>
        <source>livello&amp;%1</source>
        <extracomment>%1 is the level&apos;s number, 1 to 5; &quot;&amp;&quot; before it picks the item from the keyboard</extracomment>
        <translation>level &amp;%1</translation>
    </message>
    <message>
        <source>&amp;istruzioni</source>
        <translation>&amp;instructions</translation>
    </message>
    <message>
        <source>&amp;controlli</source>
        <translation>&amp;controls</translation>
    </message>
    <message>
        <source>&amp;da_ricordare</source>
        <translation>&amp;things to remember</translation>
    </message>
    <message>
        <source>&amp;assistente</source>
        <translation>&amp;assistant</translation>
    </message>
    <message>
        <source>&amp;mostra</source>
        <translation>&amp;show</translation>
    </message>
    <message>
        <source>&amp;nascondi</source>
        <translation>&amp;hide</translation>
    </message>
    <message>
        <source>i&amp;nformazioni</source>
        <translation>inf&amp;ormation</translation>
    </message>
    <message>
        <source>&amp;giocatore</source>
        <translation>&amp;player</translation>
    </message>
    <message>
        <source>&amp;Chi gioca?...</source>
        <translation>&amp;Who is playing?...</translation>
    </message>
    <message>
        <source>C&amp;ollezione...</source>
        <translation>&amp;Collection...</translation>
    </message>
    <message>
        <source>Nuova carta nella collezione: %1</source>
        <extracomment>%1 is the rule the pupil has just discovered</extracomment>
        <translation>New card in the collection: %1</translation>
    </message>
    <message>
        <source>La carta di questa regola è entrata nella collezione.</source>
        <translation>This rule&apos;s card is now in the collection.</translation>
    </message>
    <message>
        <source>Quorvel - gioca %1</source>
        <extracomment>%1 is the name of the pupil who plays</extracomment>
        <translation>Quorvel - %1 is playing</translation>
    </message>
    <message>
        <source>Ho salvato il meccanismo in «%1».</source>
        <extracomment>%1 is the file the mechanism was saved in</extracomment>
        <translation>I have saved the mechanism in “%1”.</translation>
    </message>
    <message>
        <source>Guardate la lavagna</source>
        <translation>Look at the board</translation>
    </message>
</context>
<context>
    <name>quorvel::OpenPanel</name>
    <message>
        <source>Non riesco a leggere questa cartella. Fai doppio clic su «..» per tornare indietro.</source>
        <translation>I can&apos;t read this folder. Double-click on «..» to go back.</translation>
    </message>
    <message>
        <source>In questa cartella non ci sono meccanismi salvati.</source>
        <translation>There are no saved mechanisms in this folder.</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>apri</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Meccanismi salvati</source>
        <translation>Saved mechanisms</translation>
    </message>
</context>
<context>
    <name>quorvel::PlainIconProvider</name>
    <message>
        <source>Cartella</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>quorvel::QtSaveDialog</name>
    <message>
        <source>salvameccanismo</source>
        <translation>save mechanism</translation>
    </message>
</context>
<context>
    <name>quorvel::ViewOptions</name>
    <message>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Lingua</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Il gioco resta nella lingua di adesso.</source>
        <translation>The game keeps the language it has now.</translation>
    </message>
    <message>
        <source>Il gioco cambierà lingua la prossima volta che lo apri.</source>
        <translation>The game will change its language the next time you open it.</translation>
    </message>
    <message>
        <source>&amp;vista</source>
        <translation>&amp;view</translation>
    </message>
    <message>
        <source>Alto &amp;contrasto</source>
        <translation>High &amp;contrast</translation>
    </message>
    <message>
        <source>Testo &amp;grande</source>
        <translation>Large &amp;text</translation>
    </message>
</context>
<context>
    <name>quorvel::Words</name>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>chiudi</source>
        <translation>close</translation>
    </message>
    <message>
        <source>Tabelle (*.csv)</source>
        <translation>Tables (*.csv)</translation>
    </message>
</context>
</TS>
