<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Class</name>
    <message>
        <source>classe non raggiungibile: le prove restano su questo computer</source>
        <translation>class unreachable: the trials stay on this computer</translation>
    </message>
    <message>
        <source>classe di nuovo collegata</source>
        <translation>class linked again</translation>
    </message>
    <message>
        <source>la classe non risponde: il server non è raggiungibile</source>
        <translation>the class does not answer: the server cannot be reached</translation>
    </message>
</context>
<context>
    <name>NotebookPrint</name>
    <message>
        <source>Nessuna prova.</source>
        <translation>No trials.</translation>
    </message>
    <message>
        <source>Il mio quaderno di Quorvel</source>
        <translation>My Quorvel notebook</translation>
    </message>
    <message>
        <source>Il quaderno è ancora vuoto.</source>
        <translation>The notebook is still empty.</translation>
    </message>
    <message>
        <source>Nome: %1 · Data: %2</source>
        <extracomment>%1 is the pupil&apos;s name, %2 the day the notebook was printed</extracomment>
        <translation>Name: %1 · Date: %2</translation>
    </message>
</context>
<context>
    <name>quorvel::ClassProgress</name>
    <message>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Meccanismo</source>
        <translation>Mechanism</translation>
    </message>
    <message>
        <source>Come</source>
        <translation>How</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Trials</translation>
    </message>
    <message>
        <source>Progressi della classe</source>
        <translation>Class progress</translation>
    </message>
    <message>
        <source>&amp;Esporta CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>I progressi non sono stati esportati in «%1»: %2.</source>
        <extracomment>%1 is the file, %2 why it could not be written</extracomment>
        <translation>The progress was not exported to ‘%1’: %2.</translation>
    </message>
    <message>
        <source>Esporta i progressi della classe</source>
        <translation>Export the class&apos;s progress</translation>
    </message>
    <message>
        <source>Ho esportato i progressi in «%1».</source>
        <extracomment>%1 is the file written</extracomment>
        <translation>I have exported the progress to “%1”.</translation>
    </message>
</context>
<context>
    <name>quorvel::ClassRulesDialog</name>
    <message>
        <source>Regole della classe</source>
        <translation>Class rules</translation>
    </message>
    <message>
        <source>Livelli che gli alunni possono scegliere</source>
        <translation>Levels the pupils can choose</translation>
    </message>
    <message>
        <source>Livello &amp;%1</source>
        <translation>Level &amp;%1</translation>
    </message>
    <message>
        <source>sempre</source>
        <translation>always</translation>
    </message>
    <message>
        <source>dopo 10 prove</source>
        <translation>after 10 trials</translation>
    </message>
    <message>
        <source>dopo la scoperta</source>
        <translation>after the discovery</translation>
    </message>
    <message>
        <source>mai</source>
        <translation>never</translation>
    </message>
    <message>
        <source>«&amp;Rivela la regola» si può usare:</source>
        <translation>‘&amp;Reveal the rule’ can be used:</translation>
    </message>
    <message>
        <source>Il &amp;mago parla all&apos;avvio</source>
        <translation>The &amp;wizard speaks at the start</translation>
    </message>
    <message>
        <source>&amp;Salva</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Lascia almeno un livello, altrimenti non si può giocare.</source>
        <translation>Leave at least one level, or nobody can play.</translation>
    </message>
    <message>
        <source>Gli alunni possono &amp;aggiungere il proprio nome</source>
        <translation>Pupils can &amp;add their own name</translation>
    </message>
</context>
<context>
    <name>quorvel::CollectionBoard</name>
    <message>
        <source>Carta ancora da scoprire</source>
        <translation>Card still to be discovered</translation>
    </message>
    <message>
        <source>scoperta il %1</source>
        <extracomment>%1 is the day the rule was discovered</extracomment>
        <translation>discovered on %1</translation>
    </message>
    <message>
        <source>rivelata il %1</source>
        <translation>revealed on %1</translation>
    </message>
    <message>
        <source>senza prove</source>
        <translation>with no trials</translation>
    </message>
    <message>
        <source>dopo 1 prova</source>
        <translation>after 1 trial</translation>
    </message>
    <message>
        <source>dopo %1 prove</source>
        <translation>after %1 trials</translation>
    </message>
    <message>
        <source>Collezione di %1</source>
        <extracomment>%1 is the player&apos;s name</extracomment>
        <translation>%1&apos;s collection</translation>
    </message>
    <message>
        <source>Regole scoperte: %1 · rivelate: %2 · ancora da trovare: %3 su %4</source>
        <translation>Rules discovered: %1 · revealed: %2 · still to find: %3 of %4</translation>
    </message>
</context>
<context>
    <name>quorvel::LiveBoard</name>
    <message>
        <source>La classe, ora</source>
        <translation>The class, now</translation>
    </message>
    <message>
        <source>Mostra senza &amp;nomi</source>
        <translation>Show without &amp;names</translation>
    </message>
    <message>
        <source>&amp;Ordina per progressi</source>
        <translation>&amp;Sort by progress</translation>
    </message>
    <message>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Pagina</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Trials</translation>
    </message>
    <message>
        <source>Giuste di fila</source>
        <translation>Right in a row</translation>
    </message>
    <message>
        <source>La regola</source>
        <translation>The rule</translation>
    </message>
    <message>
        <source>Ultima prova</source>
        <translation>Last trial</translation>
    </message>
    <message>
        <source>&amp;Tutta la classe su questo meccanismo...</source>
        <translation>The &amp;whole class on this mechanism...</translation>
    </message>
    <message>
        <source>&amp;Rivela a tutti</source>
        <translation>&amp;Reveal to everyone</translation>
    </message>
    <message>
        <source>non ha ancora cominciato</source>
        <translation>has not started yet</translation>
    </message>
    <message>
        <source>scoperta</source>
        <translation>discovered</translation>
    </message>
    <message>
        <source>rivelata</source>
        <translation>revealed</translation>
    </message>
    <message>
        <source>da scoprire</source>
        <translation>to find out</translation>
    </message>
    <message>
        <source>Oggi non gioca ancora nessuno della classe.</source>
        <extracomment>%1 is how many pupils are playing today</extracomment>
        <translation>Nobody in the class is playing yet today.</translation>
    </message>
    <message>
        <source>Alunni che giocano oggi: %1.</source>
        <translation>Pupils playing today: %1.</translation>
    </message>
    <message>
        <source>Tutta la classe ora è sul meccanismo del livello %1.</source>
        <extracomment>%1 is the level&apos;s number</extracomment>
        <translation>The whole class is now on the mechanism of level %1.</translation>
    </message>
    <message>
        <source>&amp;Via, si riparte!</source>
        <translation>&amp;Go, off we go again!</translation>
    </message>
    <message>
        <source>&amp;Fermi tutti!</source>
        <translation>Everybody &amp;stop!</translation>
    </message>
    <message>
        <source>La classe è ferma: sulle macchine c&apos;è «Guardate la lavagna».</source>
        <translation>The class is stopped: the machines show «Look at the board».</translation>
    </message>
    <message>
        <source>La classe è ripartita.</source>
        <translation>The class is going again.</translation>
    </message>
    <message>
        <source>La regola è stata rivelata a chi è sul meccanismo della classe.</source>
        <translation>The rule was revealed to those on the class&apos;s mechanism.</translation>
    </message>
    <message>
        <source>La classe non ha ancora un meccanismo comune: prima scegli «Tutta la classe su questo meccanismo...».</source>
        <translation>The class has no common mechanism yet: first choose «The whole class on this mechanism...».</translation>
    </message>
    <message>
        <source>%1, pagina %2</source>
        <extracomment>%1 is the pupil (or the animal standing for them), %2 the page&apos;s number</extracomment>
        <translation>%1, page %2</translation>
    </message>
    <message>
        <source>Primo numero</source>
        <translation>First number</translation>
    </message>
    <message>
        <source>Secondo numero</source>
        <translation>Second number</translation>
    </message>
    <message>
        <source>Uscita</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Previsione</source>
        <translation>Prediction</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookDock</name>
    <message>
        <source>Su questo computer il quaderno non si può stampare né salvare in PDF.</source>
        <translation>On this computer the notebook cannot be printed or saved as a PDF.</translation>
    </message>
    <message>
        <source>&amp;quaderno</source>
        <translation>note&amp;book</translation>
    </message>
    <message>
        <source>&amp;Mostra il quaderno</source>
        <translation>&amp;Show the notebook</translation>
    </message>
    <message>
        <source>&amp;Esporta in una tabella (CSV)...</source>
        <translation>&amp;Export as a table (CSV)...</translation>
    </message>
    <message>
        <source>Salva in &amp;PDF...</source>
        <translation>Save as &amp;PDF...</translation>
    </message>
    <message>
        <source>S&amp;tampa...</source>
        <translation>Prin&amp;t...</translation>
    </message>
    <message>
        <source>Il quaderno non è stato esportato in «%1»: %2.</source>
        <extracomment>%1 is the file, %2 why it could not be written</extracomment>
        <translation>The notebook was not exported to ‘%1’: %2.</translation>
    </message>
    <message>
        <source>Il quaderno non è stato salvato in «%1»: il file non si può scrivere.</source>
        <extracomment>%1 is the file</extracomment>
        <translation>The notebook was not saved in ‘%1’: the file cannot be written.</translation>
    </message>
    <message>
        <source>Esporta il quaderno</source>
        <translation>Export the notebook</translation>
    </message>
    <message>
        <source>Salva il quaderno in PDF</source>
        <translation>Save the notebook as a PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Ho esportato il quaderno in «%1».</source>
        <extracomment>%1 is the file written</extracomment>
        <translation>I have exported the notebook to “%1”.</translation>
    </message>
    <message>
        <source>Ho salvato il quaderno in PDF in «%1».</source>
        <extracomment>%1 is the file written</extracomment>
        <translation>I have saved the notebook as a PDF in “%1”.</translation>
    </message>
    <message>
        <source>Il quaderno non è stato salvato in «%1»: %2.</source>
        <extracomment>%1 is the file, %2 why it could not be written</extracomment>
        <translation>The notebook was not saved in ‘%1’: %2.</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookModel</name>
    <message>
        <source>Primo</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Secondo</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookPanel</name>
    <message>
        <source>Le prove della pagina</source>
        <translation>The page&apos;s trials</translation>
    </message>
    <message>
        <source>Grafico delle prove</source>
        <translation>Graph of the trials</translation>
    </message>
    <message>
        <source>In orizzontale il secondo numero</source>
        <translation>Second number along the bottom</translation>
    </message>
    <message>
        <source>Quaderno</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Pagina del quaderno</source>
        <translation>Notebook page</translation>
    </message>
    <message>
        <source>Prevedo che uscirà:</source>
        <translation>I think it will be:</translation>
    </message>
    <message>
        <source>un numero, poi Invio</source>
        <translation>a number, then Enter</translation>
    </message>
    <message>
        <source>Ipotesi:</source>
        <translation>Hypothesis:</translation>
    </message>
    <message>
        <source>per esempio A + B oppure 2 x A</source>
        <translation>for example A + B or 2 x A</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Rivela la regola</source>
        <translation>Reveal the rule</translation>
    </message>
    <message>
        <source>Scegli un livello e fai un esperimento: le prove si scrivono qui.</source>
        <translation>Choose a level and do an experiment: your trials are written here.</translation>
    </message>
    <message>
        <source>La regola di questa pagina è stata rivelata.</source>
        <translation>The rule of this page has been revealed.</translation>
    </message>
    <message>
        <source>Una pagina di prima: puoi rileggerla e verificare un&apos;ipotesi.</source>
        <translation>An earlier page: you can read it again and check a hypothesis.</translation>
    </message>
    <message>
        <source>Indovina tre uscite di fila, con numeri nuovi, e avrai scoperto la regola.</source>
        <translation>Guess three outputs in a row, with new numbers, and you will have discovered the rule.</translation>
    </message>
    <message>
        <source>Non riesco a leggere la formula: %1 (al carattere %2).</source>
        <extracomment>%1 is what is wrong in the formula, %2 the place of the character at fault</extracomment>
        <translation>I can&apos;t read the formula: %1 (at character %2).</translation>
    </message>
    <message>
        <source>Non riesco a leggere la formula: %1.</source>
        <extracomment>%1 is what is wrong in the formula</extracomment>
        <translation>I can&apos;t read the formula: %1.</translation>
    </message>
    <message>
        <source>Fai prima qualche esperimento: la formula si verifica sulle prove della pagina.</source>
        <translation>Do a few experiments first: the formula is checked against the page&apos;s trials.</translation>
    </message>
    <message>
        <source>La formula vale per %1 prove su %2.</source>
        <translation>Trials the formula works for: %1 out of %2.</translation>
    </message>
    <message>
        <source>Vuoi davvero vedere la regola?</source>
        <translation>Do you really want to see the rule?</translation>
    </message>
    <message>
        <source>La formula vale per %1 prova su %2.</source>
        <extracomment>one trial agrees with the formula, out of the page&apos;s %2</extracomment>
        <translation>The formula holds for %1 trial out of %2.</translation>
    </message>
    <message>
        <source>Prova anche con numeri più grandi (per esempio tra 10 e 100), con lo zero, con due numeri uguali e con il primo più piccolo del secondo: potrebbero smentirla!</source>
        <translation>Try larger numbers too (for example between 10 and 100), zero, two equal numbers and a first number smaller than the second: they might prove it wrong!</translation>
    </message>
    <message>
        <source>Tre previsioni giuste di fila, con numeri nuovi: complimenti!</source>
        <translation>Three right predictions in a row, with new numbers: well done!</translation>
    </message>
</context>
<context>
    <name>quorvel::NotebookPlot</name>
    <message>
        <source>primo %1</source>
        <extracomment>the points whose first number is %1</extracomment>
        <translation>first = %1</translation>
    </message>
    <message>
        <source>secondo %1</source>
        <translation>second = %1</translation>
    </message>
    <message>
        <source>altri</source>
        <translation>others</translation>
    </message>
</context>
<context>
    <name>quorvel::PinDialog</name>
    <message>
        <source>Insegnante</source>
        <translation>Teacher</translation>
    </message>
    <message>
        <source>Scegli il PIN dell&apos;insegnante: da 4 a 8 cifre. Servirà ogni volta per entrare.</source>
        <translation>Choose the teacher&apos;s PIN: 4 to 8 digits. You will need it every time to get in.</translation>
    </message>
    <message>
        <source>Scrivi il PIN dell&apos;insegnante.</source>
        <translation>Type the teacher&apos;s PIN.</translation>
    </message>
    <message>
        <source>&amp;PIN:</source>
        <translation>&amp;PIN:</translation>
    </message>
    <message>
        <source>&amp;Ripeti il PIN:</source>
        <translation>&amp;Repeat the PIN:</translation>
    </message>
    <message>
        <source>&amp;Entra</source>
        <translation>&amp;Enter</translation>
    </message>
    <message>
        <source>Il PIN deve avere da 4 a 8 cifre.</source>
        <translation>The PIN must have 4 to 8 digits.</translation>
    </message>
    <message>
        <source>I due PIN non sono uguali: scrivili di nuovo.</source>
        <translation>The two PINs are not the same: type them again.</translation>
    </message>
    <message>
        <source>PIN sbagliato.</source>
        <translation>Wrong PIN.</translation>
    </message>
    <message>
        <source>PIN dimenticato? Questo PIN l&apos;ha messo chi amministra il computer: chiedi a lui o a lei.</source>
        <translation>Forgotten the PIN? This PIN was set by the computer&apos;s administrator: ask them.</translation>
    </message>
    <message>
        <source>PIN dimenticato? Chi amministra il computer può metterne uno nuovo: il manuale (man quorvel) spiega come, alla voce «PIN dimenticato».</source>
        <translation>Forgotten the PIN? The computer&apos;s administrator can set a new one: the manual (man quorvel) explains how, under “Forgotten PIN”.</translation>
    </message>
</context>
<context>
    <name>quorvel::PupilChooser</name>
    <message>
        <source>Chi gioca?</source>
        <translation>Who&apos;s playing?</translation>
    </message>
    <message>
        <source>Scegli il tuo nome e premi «Gioca».</source>
        <translation>Choose your name and press ‘Play’.</translation>
    </message>
    <message>
        <source>&amp;Nuovo nome:</source>
        <translation>&amp;New name:</translation>
    </message>
    <message>
        <source>&amp;Aggiungi</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Ospite (non tiene nulla)</source>
        <translation>&amp;Guest (nothing is kept)</translation>
    </message>
    <message>
        <source>&amp;Gioca</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>Scegli un nome dall&apos;elenco, oppure aggiungi il tuo.</source>
        <translation>Choose a name from the list, or add your own.</translation>
    </message>
    <message>
        <source>Se il tuo nome non c&apos;è, chiedi all&apos;insegnante di aggiungerlo.</source>
        <translation>If your name is not there, ask the teacher to add it.</translation>
    </message>
</context>
<context>
    <name>quorvel::PupilPresenter</name>
    <message>
        <source>Vuoi tenere nel tuo quaderno le prove fatte come Ospite?</source>
        <translation>Do you want to keep the trials made as Guest in your notebook?</translation>
    </message>
    <message>
        <source>Le prove fatte come Ospite non sono state tenute.</source>
        <translation>The trials made as Guest were not kept.</translation>
    </message>
    <message>
        <source>Non riesco a salvare: riprovo...</source>
        <translation>I cannot save: trying again...</translation>
    </message>
    <message>
        <source>Ora il quaderno è salvato.</source>
        <translation>The notebook is saved now.</translation>
    </message>
</context>
<context>
    <name>quorvel::PupilsDialog</name>
    <message>
        <source>Alunni</source>
        <translation>Pupils</translation>
    </message>
    <message>
        <source>Gli alunni di questo computer:</source>
        <translation>The pupils of this computer:</translation>
    </message>
    <message>
        <source>&amp;Nome:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>A&amp;ggiungi</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Rinomina</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>&amp;Cancella...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Scegli un nome dall&apos;elenco.</source>
        <translation>Choose a name from the list.</translation>
    </message>
    <message>
        <source>la sua carta della collezione</source>
        <translation>their card in the collection</translation>
    </message>
    <message>
        <source>le sue %1 carte della collezione</source>
        <translation>their %1 cards in the collection</translation>
    </message>
    <message>
        <source>il suo quaderno con 1 prova</source>
        <translation>their notebook with 1 trial</translation>
    </message>
    <message>
        <source>il suo quaderno con %1 prove</source>
        <translation>their notebook with %1 trials</translation>
    </message>
    <message>
        <source>Vuoi davvero cancellare %1? Si perdono per sempre %2 e %3.</source>
        <extracomment>%1 is the pupil&apos;s name; %2 and %3 what is lost (&quot;le sue 5 carte...&quot;, &quot;il suo quaderno...&quot;)</extracomment>
        <translation>Do you really want to delete %1? You will lose %2 and %3 for ever.</translation>
    </message>
    <message>
        <source>la collezione (ancora vuota)</source>
        <translation>the collection (still empty)</translation>
    </message>
</context>
<context>
    <name>quorvel::SchemeChooser</name>
    <message>
        <source>Nessun meccanismo.</source>
        <translation>No mechanism.</translation>
    </message>
    <message>
        <source>Meccanismo %1: %2</source>
        <extracomment>%1 is the mechanism&apos;s number, %2 its rule in words</extracomment>
        <translation>Mechanism %1: %2</translation>
    </message>
    <message>
        <source>Scegli il meccanismo</source>
        <translation>Choose the mechanism</translation>
    </message>
    <message>
        <source>Scegli lo schema da mettere in funzione; gli alunni poi lo scoprono facendo esperimenti. Le costanti nascoste e le operazioni sono quelle di adesso.</source>
        <translation>Choose the scheme to set working; the pupils then discover it by doing experiments. The hidden constants and the operations stay as they are now.</translation>
    </message>
    <message>
        <source>Schema</source>
        <translation>Scheme</translation>
    </message>
    <message>
        <source>Schema %1</source>
        <translation>Scheme %1</translation>
    </message>
    <message>
        <source>&amp;Metti in funzione</source>
        <translation>&amp;Set it working</translation>
    </message>
</context>
<context>
    <name>quorvel::TeacherDesk</name>
    <message>
        <source>ins&amp;egnante</source>
        <translation>&amp;teacher</translation>
    </message>
    <message>
        <source>&amp;Scegli il meccanismo...</source>
        <translation>&amp;Choose the mechanism...</translation>
    </message>
    <message>
        <source>&amp;Regole della classe...</source>
        <translation>Class &amp;rules...</translation>
    </message>
    <message>
        <source>&amp;Progressi della classe...</source>
        <translation>Class &amp;progress...</translation>
    </message>
    <message>
        <source>&amp;Alunni...</source>
        <translation>&amp;Pupils...</translation>
    </message>
    <message>
        <source>&amp;Chiudi l&apos;area insegnante</source>
        <translation>&amp;Close the teacher&apos;s area</translation>
    </message>
    <message>
        <source>C&amp;ollega alla classe...</source>
        <translation>C&amp;onnect to the class...</translation>
    </message>
    <message>
        <source>Insegnante</source>
        <translation>Teacher</translation>
    </message>
    <message>
        <source>Scrivi la password dell&apos;insegnante della classe.</source>
        <translation>Type the class teacher&apos;s password.</translation>
    </message>
    <message>
        <source>Password sbagliata.</source>
        <translation>Wrong password.</translation>
    </message>
    <message>
        <source>Il server della classe non risponde: riprova fra poco.</source>
        <translation>The class&apos;s server does not answer: try again in a moment.</translation>
    </message>
    <message>
        <source>Collega alla classe</source>
        <translation>Connect to the class</translation>
    </message>
    <message>
        <source>Incolla la riga «classe: ...» che ha scritto quorvel-classe (senza «classe: »).</source>
        <translation>Paste the line «classe: ...» that quorvel-classe wrote (without «classe: »).</translation>
    </message>
    <message>
        <source>Questo computer ora gioca con la classe: i nomi, le collezioni e i quaderni sono sul server della scuola.</source>
        <translation>This computer now plays with the class: the names, collections and notebooks are on the school&apos;s server.</translation>
    </message>
    <message>
        <source>La c&amp;lasse, ora...</source>
        <translation>The c&amp;lass, now...</translation>
    </message>
    <message>
        <source>La classe, ora</source>
        <translation>The class, now</translation>
    </message>
    <message>
        <source>La lavagna della classe c&apos;è quando questo computer gioca in una classe sul server della scuola: prima scegli «Collega alla classe...».</source>
        <translation>The class board is there when this computer plays in a class on the school&apos;s server: first choose «Connect to the class...».</translation>
    </message>
</context>
</TS>
