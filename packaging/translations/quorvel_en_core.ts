<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Board</name>
    <message>
        <source>Volpe</source>
        <extracomment>the animals a board shown without names calls the pupils by</extracomment>
        <translation>Fox</translation>
    </message>
    <message>
        <source>Gufo</source>
        <translation>Owl</translation>
    </message>
    <message>
        <source>Delfino</source>
        <translation>Dolphin</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Tigre</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Pinguino</source>
        <translation>Penguin</translation>
    </message>
    <message>
        <source>Giraffa</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Lontra</source>
        <translation>Otter</translation>
    </message>
    <message>
        <source>Riccio</source>
        <translation>Hedgehog</translation>
    </message>
    <message>
        <source>Castoro</source>
        <translation>Beaver</translation>
    </message>
    <message>
        <source>Falco</source>
        <translation>Falcon</translation>
    </message>
    <message>
        <source>Tartaruga</source>
        <translation>Tortoise</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Canguro</source>
        <translation>Kangaroo</translation>
    </message>
    <message>
        <source>Scoiattolo</source>
        <translation>Squirrel</translation>
    </message>
    <message>
        <source>Orso</source>
        <translation>Bear</translation>
    </message>
    <message>
        <source>Lupo</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Cervo</source>
        <translation>Deer</translation>
    </message>
    <message>
        <source>Fenicottero</source>
        <translation>Flamingo</translation>
    </message>
    <message>
        <source>Pavone</source>
        <translation>Peacock</translation>
    </message>
    <message>
        <source>Camaleonte</source>
        <translation>Chameleon</translation>
    </message>
    <message>
        <source>Balena</source>
        <translation>Whale</translation>
    </message>
    <message>
        <source>Leone</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Gatto</source>
        <translation>Cat</translation>
    </message>
    <message>
        <source>Coniglio</source>
        <translation>Rabbit</translation>
    </message>
    <message>
        <source>Cavallo</source>
        <translation>Horse</translation>
    </message>
    <message>
        <source>Elefante</source>
        <translation>Elephant</translation>
    </message>
    <message>
        <source>Ghepardo</source>
        <translation>Cheetah</translation>
    </message>
    <message>
        <source>Polpo</source>
        <translation>Octopus</translation>
    </message>
    <message>
        <source>adesso</source>
        <translation>just now</translation>
    </message>
    <message>
        <source>%1 s fa</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>%1 s ago</translation>
    </message>
    <message>
        <source>%1 min fa</source>
        <extracomment>%1 is a number of minutes</extracomment>
        <translation>%1 min ago</translation>
    </message>
    <message>
        <source>%1 h fa</source>
        <extracomment>%1 is a number of hours</extracomment>
        <translation>%1 h ago</translation>
    </message>
</context>
<context>
    <name>Class</name>
    <message>
        <source>la classe sul server è di una versione più nuova di Quorvel: aggiorna Quorvel su questo computer; il server è stato lasciato com&apos;era</source>
        <translation>the class on the server belongs to a newer version of Quorvel: update Quorvel on this computer; the server was left as it was</translation>
    </message>
    <message>
        <source>la classe non risponde: il server non è raggiungibile</source>
        <translation>the class does not answer: the server cannot be reached</translation>
    </message>
    <message>
        <source>password sbagliata</source>
        <translation>wrong password</translation>
    </message>
    <message>
        <source>classe non raggiungibile: le prove restano su questo computer</source>
        <translation>class unreachable: the trials stay on this computer</translation>
    </message>
    <message>
        <source>sul server non c&apos;è la classe di questa riga di collegamento</source>
        <translation>the server has no class for this connection line</translation>
    </message>
    <message>
        <source>serve la password dell&apos;insegnante</source>
        <translation>the teacher&apos;s password is needed</translation>
    </message>
    <message>
        <source>una prova non è stata accettata dal server della classe</source>
        <translation>a trial was not accepted by the class&apos;s server</translation>
    </message>
    <message>
        <source>classe di nuovo collegata</source>
        <translation>class linked again</translation>
    </message>
    <message>
        <source>questo computer non gioca in una classe</source>
        <translation>this computer does not play in a class</translation>
    </message>
    <message>
        <source>la classe sul server va aggiornata per la lavagna e gli ordini: chi amministra la scuola rilanci «quorvel-classe init»</source>
        <translation>the class on the server must be brought up to date for the board and the orders: the school&apos;s administrator should run «quorvel-classe init» again</translation>
    </message>
</context>
<context>
    <name>Classroom</name>
    <message>
        <source>Prima fai almeno %1 prove con questo meccanismo: finora ne hai fatte %2.</source>
        <extracomment>%1 is how many trials are needed; %2 is how many the pupil has made</extracomment>
        <translation>First make at least %1 trials with this mechanism: so far you have made %2.</translation>
    </message>
    <message>
        <source>La regola si può vedere solo dopo averla scoperta: continua a provare!</source>
        <translation>You can only see the rule after you have discovered it: keep trying!</translation>
    </message>
    <message>
        <source>L&apos;insegnante ha deciso che la regola non si può rivelare.</source>
        <translation>The teacher has decided that the rule cannot be revealed.</translation>
    </message>
    <message>
        <source>Prima fai almeno %1 prove con questo meccanismo: non ne hai ancora fatta nessuna.</source>
        <extracomment>%1 is how many trials are needed</extracomment>
        <translation>First make at least %1 trials with this mechanism: you haven&apos;t made any yet.</translation>
    </message>
    <message>
        <source>Prima fai almeno %1 prove con questo meccanismo: finora ne hai fatta 1.</source>
        <extracomment>%1 is how many trials are needed; the pupil has made one</extracomment>
        <translation>First make at least %1 trials with this mechanism: so far you have made 1.</translation>
    </message>
    <message>
        <source>Troppi PIN sbagliati: riprova fra %1 secondi.</source>
        <extracomment>%1 is a number of seconds</extracomment>
        <translation>Too many wrong PINs: try again in %1 seconds.</translation>
    </message>
    <message>
        <source>Troppi PIN sbagliati: riprova fra un minuto.</source>
        <translation>Too many wrong PINs: try again in a minute.</translation>
    </message>
    <message>
        <source>Troppi PIN sbagliati: riprova fra %1 minuti.</source>
        <extracomment>%1 is a number of minutes</extracomment>
        <translation>Too many wrong PINs: try again in %1 minutes.</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>%1 scoperte, %2 rivelate su %3</source>
        <extracomment>%1 cards discovered, %2 revealed, %3 cards in the whole collection</extracomment>
        <translation>%1 discovered, %2 revealed, out of %3</translation>
    </message>
    <message>
        <source>livello %1, %2, %3, %4</source>
        <extracomment>a card: %1 the level, %2 the rule, %3 how it was won, %4 the date</extracomment>
        <translation>level %1, %2, %3, %4</translation>
    </message>
    <message>
        <source>sì</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>PIN sbagliato</source>
        <translation>wrong PIN</translation>
    </message>
    <message>
        <source>il PIN dev&apos;essere fatto di 4-8 cifre</source>
        <translation>the PIN must be 4 to 8 digits</translation>
    </message>
    <message>
        <source>solo l&apos;insegnante può scegliere uno schema: prima scrivi «insegnante PIN»</source>
        <extracomment>«insegnante PIN» is the command to type: it stays as it is</extracomment>
        <translation>only the teacher can choose a scheme: first type “insegnante PIN”</translation>
    </message>
    <message>
        <source>scegli vuole un livello da 1 a 5 e il numero di uno dei suoi schemi (da 1 a %1)</source>
        <extracomment>&quot;scegli&quot; is the command word; %1 is how many schemes the level has</extracomment>
        <translation>scegli needs a level from 1 to 5 and the number of one of its schemes (from 1 to %1)</translation>
    </message>
    <message>
        <source>scegli vuole un livello da 1 a 5 e il numero di uno dei suoi schemi</source>
        <extracomment>&quot;scegli&quot; is the command word and stays as it is</extracomment>
        <translation>scegli needs a level from 1 to 5 and the number of one of its schemes</translation>
    </message>
    <message>
        <source>il livello %1 non è tra quelli scelti dall&apos;insegnante</source>
        <extracomment>%1 is the level&apos;s number</extracomment>
        <translation>level %1 is not one of the levels the teacher chose</translation>
    </message>
    <message>
        <source>ancora nessuna pagina: scegli un livello</source>
        <translation>no pages yet: choose a level</translation>
    </message>
    <message>
        <source>pagina %1, livello %2, %3 prove</source>
        <translation>page %1, level %2, %3 trials</translation>
    </message>
    <message>
        <source>primo %1; secondo %2; uscita %3</source>
        <extracomment>a trial: the first input, the second input and the output</extracomment>
        <translation>first %1; second %2; output %3</translation>
    </message>
    <message>
        <source>previsione %1; %2</source>
        <extracomment>%1 is the pupil&apos;s prediction; %2 says whether it was right</extracomment>
        <translation>prediction %1; %2</translation>
    </message>
    <message>
        <source>la formula non si legge: %1 (al carattere %2)</source>
        <extracomment>%1 is what is wrong with the formula; %2 is where, counting its characters</extracomment>
        <translation>the formula cannot be read: %1 (at character %2)</translation>
    </message>
    <message>
        <source>la formula non si legge: %1</source>
        <extracomment>%1 is what is wrong with the formula</extracomment>
        <translation>the formula cannot be read: %1</translation>
    </message>
    <message>
        <source>vale per %1 prove su %2</source>
        <translation>holds for %1 trials out of %2</translation>
    </message>
    <message>
        <source>prova %1: la formula dà %2, la macchina %3</source>
        <extracomment>%1 is the trial&apos;s number, %2 the formula&apos;s value, %3 the machine&apos;s output</extracomment>
        <translation>trial %1: the formula gives %2, the machine %3</translation>
    </message>
    <message>
        <source>il quaderno non è stato esportato in «%1»: %2</source>
        <extracomment>%1 is the file; %2 is why, such as &quot;il disco è pieno&quot;</extracomment>
        <translation>the notebook was not exported to “%1”: %2</translation>
    </message>
    <message>
        <source>non c&apos;è ancora una regola da rivelare: scegli un livello</source>
        <translation>there is no rule to reveal yet: choose a level</translation>
    </message>
    <message>
        <source>comando non valido: %1</source>
        <extracomment>%1 is the line typed</extracomment>
        <translation>not a command: %1</translation>
    </message>
    <message>
        <source>livello vuole un numero da 1 a 5</source>
        <extracomment>&quot;livello&quot; is the command word and stays as it is</extracomment>
        <translation>livello needs a number from 1 to 5</translation>
    </message>
    <message>
        <source>livello vuole un numero da 1 a 5: %1</source>
        <extracomment>&quot;livello&quot; is the command word and stays as it is; %1 is what was typed after it</extracomment>
        <translation>livello needs a number from 1 to 5: %1</translation>
    </message>
    <message>
        <source>%1 vuole delle cifre</source>
        <extracomment>%1 is the command word, primo or secondo, which stays as it is</extracomment>
        <translation>%1 needs some digits</translation>
    </message>
    <message>
        <source>servono solo cifre: %1</source>
        <extracomment>%1 is what was typed in place of the digits</extracomment>
        <translation>only digits, please: %1</translation>
    </message>
    <message>
        <source>aiuto: livello N (1-5) | cambia | operazioni | primo CIFRE | secondo CIFRE | cancella primo | cancella secondo | esperimento | salva NOME | apri PERCORSO | stato | aiuto | esci
aiuto: prevedi NUMERO | quaderno | ipotesi FORMULA | esporta PERCORSO | rivela
aiuto: profilo NOME | collezione | insegnante PIN | scegli LIVELLO SCHEMA
aiuto: classe | progressi | lavagna | tutti LIVELLO SCHEMA | fermi | via | rivela-tutti
</source>
        <extracomment>the lines of the console&apos;s help: only the words in capitals are translated</extracomment>
        <translation>aiuto: livello N (1-5) | cambia | operazioni | primo DIGITS | secondo DIGITS | cancella primo | cancella secondo | esperimento | salva NAME | apri PATH | stato | aiuto | esci
aiuto: prevedi NUMBER | quaderno | ipotesi FORMULA | esporta PATH | rivela
aiuto: profilo NAME | collezione | insegnante PIN | scegli LEVEL SCHEME
aiuto: classe | progressi | lavagna | tutti LEVEL SCHEME | fermi | via | rivela-tutti
</translation>
    </message>
    <message>
        <source>pagina %1, livello %2, %3 prova</source>
        <extracomment>%1 is the page&apos;s number, %2 its level&apos;s, %3 is 1: the page holds one trial</extracomment>
        <translation>page %1, level %2, %3 trial</translation>
    </message>
    <message>
        <source>vale per %1 prova su %2</source>
        <extracomment>%1 is 1: one trial agrees with the formula; %2 how many trials there are</extracomment>
        <translation>holds for %1 trial out of %2</translation>
    </message>
    <message>
        <source>(sostituito)</source>
        <extracomment>after &quot;esportato: PATH&quot;: the file that was there was replaced</extracomment>
        <translation>(replaced)</translation>
    </message>
    <message>
        <source>password sbagliata</source>
        <translation>wrong password</translation>
    </message>
    <message>
        <source>non collegata</source>
        <translation>not linked</translation>
    </message>
    <message>
        <source>%1, %2 alunni</source>
        <extracomment>%1 is the class&apos;s name, %2 how many pupils it has</extracomment>
        <translation>%1, %2 pupils</translation>
    </message>
    <message>
        <source>non raggiungibile, %1 prove in attesa</source>
        <extracomment>%1 is how many trials wait on this computer for the class&apos;s server</extracomment>
        <translation>unreachable, %1 trials waiting</translation>
    </message>
    <message>
        <source>solo l&apos;insegnante può vedere i progressi: prima scrivi «insegnante»</source>
        <extracomment>«insegnante» is the command to type: it stays as it is</extracomment>
        <translation>only the teacher can see the progress: first type «insegnante»</translation>
    </message>
    <message>
        <source>%1 alunni</source>
        <extracomment>%1 is how many pupils the class has</extracomment>
        <translation>%1 pupils</translation>
    </message>
    <message>
        <source>%1, %2 scoperte, %3 rivelate, %4 prove</source>
        <extracomment>one pupil: %1 the name, %2 cards discovered, %3 revealed, %4 trials made</extracomment>
        <translation>%1, %2 discovered, %3 revealed, %4 trials</translation>
    </message>
    <message>
        <source>questo computer non gioca in una classe: vedi «classe»</source>
        <translation>this computer does not play in a class: see «classe»</translation>
    </message>
    <message>
        <source>solo l&apos;insegnante può dare un meccanismo a tutti: prima scrivi «insegnante PASSWORD»</source>
        <translation>only the teacher can give everyone a mechanism: first type «insegnante PASSWORD»</translation>
    </message>
    <message>
        <source>tutta la classe sul meccanismo del livello %1</source>
        <translation>the whole class on the mechanism of level %1</translation>
    </message>
    <message>
        <source>solo l&apos;insegnante può fermare la classe: prima scrivi «insegnante PASSWORD»</source>
        <translation>only the teacher can stop the class: first type «insegnante PASSWORD»</translation>
    </message>
    <message>
        <source>fermi tutti, guardate la lavagna</source>
        <translation>everybody stop, look at the board</translation>
    </message>
    <message>
        <source>via, si riparte</source>
        <translation>go, off we go again</translation>
    </message>
    <message>
        <source>solo l&apos;insegnante può rivelare la regola a tutti: prima scrivi «insegnante PASSWORD»</source>
        <translation>only the teacher can reveal the rule to everyone: first type «insegnante PASSWORD»</translation>
    </message>
    <message>
        <source>regola rivelata a tutti</source>
        <translation>rule revealed to everyone</translation>
    </message>
    <message>
        <source>la classe non ha ancora un meccanismo comune: prima scrivi «tutti LIVELLO SCHEMA»</source>
        <extracomment>«tutti» is the command to type: it stays as it is</extracomment>
        <translation>the class has no common mechanism yet: first type «tutti LEVEL SCHEME»</translation>
    </message>
    <message>
        <source>solo l&apos;insegnante può vedere la lavagna: prima scrivi «insegnante PASSWORD»</source>
        <translation>only the teacher can see the board: first type «insegnante PASSWORD»</translation>
    </message>
    <message>
        <source>%1 alunni oggi</source>
        <translation>%1 pupils today</translation>
    </message>
    <message>
        <source>non ha ancora cominciato</source>
        <translation>has not started yet</translation>
    </message>
    <message>
        <source>livello %1, pagina %2, %3 prove, %4 giuste di fila</source>
        <extracomment>a pupil&apos;s row of the board: level, page of their notebook, trials on it, right predictions in a row; the page&apos;s mark follows</extracomment>
        <translation>level %1, page %2, %3 trials, %4 right in a row</translation>
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
        <source>in corso</source>
        <translation>in progress</translation>
    </message>
    <message>
        <source>ultima prova %1</source>
        <extracomment>%1 says how long ago, such as &quot;40 s fa&quot;</extracomment>
        <translation>last trial %1</translation>
    </message>
    <message>
        <source>guardate la lavagna: l&apos;insegnante ha fermato la classe</source>
        <extracomment>the teacher has stopped the whole class: the machine takes nothing until &quot;via&quot;</extracomment>
        <translation>look at the board: the teacher has stopped the class</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>gennaio</source>
        <translation>January</translation>
    </message>
    <message>
        <source>febbraio</source>
        <translation>February</translation>
    </message>
    <message>
        <source>marzo</source>
        <translation>March</translation>
    </message>
    <message>
        <source>aprile</source>
        <translation>April</translation>
    </message>
    <message>
        <source>maggio</source>
        <translation>May</translation>
    </message>
    <message>
        <source>giugno</source>
        <translation>June</translation>
    </message>
    <message>
        <source>luglio</source>
        <translation>July</translation>
    </message>
    <message>
        <source>agosto</source>
        <translation>August</translation>
    </message>
    <message>
        <source>settembre</source>
        <translation>September</translation>
    </message>
    <message>
        <source>ottobre</source>
        <translation>October</translation>
    </message>
    <message>
        <source>novembre</source>
        <translation>November</translation>
    </message>
    <message>
        <source>dicembre</source>
        <translation>December</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>a date: %1 the day, %2 the month&apos;s name, %3 the year</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source> e </source>
        <extracomment>between the last two things of a list: &quot;3, 5 e 7&quot;</extracomment>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Devi scegliere un livello!!</source>
        <translation>You must choose a level!!</translation>
    </message>
    <message>
        <source>E&apos;attivo il livello %1</source>
        <extracomment>the status line; %1 is the level&apos;s number</extracomment>
        <translation>You are on level %1</translation>
    </message>
    <message>
        <source>E&apos; attivo il  </source>
        <extracomment>the status line after changing the mechanism before any level is chosen</extracomment>
        <translation>No level chosen yet</translation>
    </message>
    <message>
        <source>E&apos; attivo il  livello%1</source>
        <extracomment>the status line after changing the mechanism; %1 is the level&apos;s number</extracomment>
        <translation>New mechanism, level %1</translation>
    </message>
    <message>
        <source>La macchina sceglie una parte della regola al primo esperimento: fai prima un esperimento, poi potrò dirti la regola.</source>
        <translation>The machine picks part of its rule at the first experiment: do one experiment first, then I can tell you the rule.</translation>
    </message>
</context>
<context>
    <name>Pupils</name>
    <message>
        <source>Il nome non può contenere caratteri invisibili, come la tabulazione.</source>
        <translation>A name cannot hold invisible characters, such as the tab.</translation>
    </message>
    <message>
        <source>Il nome non può contenere segni che cambiano il verso della scrittura.</source>
        <translation>A name cannot hold signs that change the direction of the writing.</translation>
    </message>
    <message>
        <source>Scrivi il nome: almeno una lettera.</source>
        <translation>Write the name: one letter at least.</translation>
    </message>
    <message>
        <source>Il nome può avere al massimo %1 lettere.</source>
        <extracomment>%1 is the longest a name can be, in letters</extracomment>
        <translation>A name can have %1 letters at most.</translation>
    </message>
    <message>
        <source>«Ospite» è il nome di chi gioca senza tenere nulla: scegline un altro.</source>
        <translation>‘Guest’ is the name for playing without keeping anything: choose another one.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore con questo nome.</source>
        <translation>There is already a player with this name.</translation>
    </message>
    <message>
        <source>Non sono riuscito a salvare l&apos;ultima prova di %1: %2</source>
        <extracomment>%1 is the pupil&apos;s name, %2 why the trial could not be kept</extracomment>
        <translation>I could not save %1&apos;s last trial: %2</translation>
    </message>
    <message>
        <source>Non sono riuscito a salvare le ultime %1 prove di %2: %3</source>
        <extracomment>%1 is how many trials, %2 the pupil&apos;s name, %3 why they could not be kept</extracomment>
        <translation>I could not save %2&apos;s last %1 trials: %3</translation>
    </message>
    <message>
        <source>Ospite</source>
        <translation>Guest</translation>
    </message>
    <message>
        <source>I nomi nuovi li aggiunge l&apos;insegnante: chiedi a lei o a lui di aggiungere il tuo.</source>
        <translation>New names are added by the teacher: ask them to add yours.</translation>
    </message>
</context>
<context>
    <name>Scenes</name>
    <message>
        <source>“Benvenuti alla macchina Quorvel. Scegliere un livello,......prego.”</source>
        <translation>“Welcome to the Quorvel machine. Choose a level,......please.”</translation>
    </message>
    <message>
        <source>...Bene, adesso devi inserire  valori .Per farlo basta cliccare sui tastierini numerici.</source>
        <translation>...Good, now you must enter the values. To do that, just click on the number pads.</translation>
    </message>
    <message>
        <source>\pau=2000\ricorda per ottenere l&apos;output,clicca su esperimento.</source>
        <translation>\pau=2000\remember: to get the output, click on “experiment”.</translation>
    </message>
    <message>
        <source>presta attenzione\pau=500\,in questo livello si possono presentare schemi di calcolo che, per gli stessi input,  forniscono output diversi......</source>
        <translation>pay attention\pau=500\, in this level there may be calculation schemes that, for the same inputs, give different outputs......</translation>
    </message>
    <message>
        <source>presta attenzione,\pau=500\.In questo livello si possono presentare schemi di calcolo che, per gli stessi input,  forniscono output diversi......</source>
        <translation>pay attention,\pau=500\. In this level there may be calculation schemes that, for the same inputs, give different outputs......</translation>
    </message>
    <message>
        <source>....Comunque gli output hanno una regolarità che puoi scoprire.</source>
        <translation>....But the outputs follow a pattern that you can discover.</translation>
    </message>
    <message>
        <source>.....\Pau=500\la macchina ha eseguito un calcolo con i numeri che hai inserito\Pau=1000\</source>
        <translation>.....\Pau=500\the machine has done a calculation with the numbers you entered\Pau=1000\</translation>
    </message>
    <message>
        <source>.... devi scoprire il tipo di calcolo eseguito.\pau=1000\</source>
        <translation>.... you must discover what kind of calculation it did.\pau=1000\</translation>
    </message>
    <message>
        <source>........ricorda la macchina esegue le stesse operazioni,finchè non si decide di cambiare\Pau=1000\</source>
        <translation>........remember, the machine keeps doing the same operations until you decide to change them\Pau=1000\</translation>
    </message>
    <message>
        <source>.....\Pau=2000\...questo puo&apos; essere fatto cliccando su cambia meccanismo di calcolo.</source>
        <translation>.....\Pau=2000\...you can do this by clicking on “change the mechanism”.</translation>
    </message>
    <message>
        <source>\pau=2000\.......in alcuni casi,per esempio in calcoli che usano le 4 operazioni,puoi cambiare meccanismo,cliccando su operazioni</source>
        <translation>\pau=2000\.......in some cases, for example in calculations that use the 4 operations, you can change the mechanism by clicking on “Operations”</translation>
    </message>
    <message>
        <source>\pau=500\.......I numeri vanno inseriti cliccando sui tastierini numerici\pau=1000\</source>
        <translation>\pau=500\.......You enter the numbers by clicking on the number pads\pau=1000\</translation>
    </message>
    <message>
        <source>.....prima devi cancellare i vecchi input cliccando su canc\pau=1000\</source>
        <translation>.....first you must clear the old inputs by clicking on “Clear”\pau=1000\</translation>
    </message>
    <message>
        <source>per ottenere l&apos;output clicca su esperimento\Pau=1000\</source>
        <translation>to get the output, click on “experiment”\Pau=1000\</translation>
    </message>
    <message>
        <source>.....ricorda di selezionare un livello dal menu&apos; livello\pau=2000\</source>
        <translation>.....remember to choose a level from the level menu\pau=2000\</translation>
    </message>
    <message>
        <source>dunque.\Pau=500\La macchina che vedi,opera su valori numerici interi.\Pau=500\Esegue dei calcoli e fornisce un risultato intero.\pau=2000\ </source>
        <translation>so.\Pau=500\The machine you see works with whole numbers.\Pau=500\It does calculations and gives a whole number as the result.\pau=2000\ </translation>
    </message>
    <message>
        <source>Solo nel caso di divisione per 2 l&apos;output puo&apos; essere intero o semintero.\pau=2000\</source>
        <translation>Only when it divides by 2 can the output be a whole number or a number and a half.\pau=2000\</translation>
    </message>
    <message>
        <source>\Pau=500\Il tuo compito è scoprire quante piu&apos; cose possibili su di essa.\pau=2000\</source>
        <translation>\Pau=500\Your job is to discover as many things about it as you can.\pau=2000\</translation>
    </message>
    <message>
        <source>\pau=1000\...ricorda di procedere senza fretta nei vari tentativi\pau=2000\</source>
        <translation>\pau=1000\...remember to take your time over each try\pau=2000\</translation>
    </message>
    <message>
        <source>\pau=2000\Buon Lavoro!\Pau=500\Apprendista scienziato.\pau=550\</source>
        <translation>\pau=2000\Good luck!\Pau=500\Apprentice scientist.\pau=550\</translation>
    </message>
    <message>
        <source>...Bene,\pau=500\mai mollare...\pau=1000\stai operando con il meccanismo che hai salvato con il nome...%1</source>
        <extracomment>%1 is the name the pupil gave the mechanism when saving it</extracomment>
        <translation>...Good, \pau=500\never give up...\pau=1000\you are working with the mechanism you saved with the name...%1</translation>
    </message>
    <message>
        <source>\pau=1000\ In questo caso devi inserire solo i valori numerici,senza scegliere il livello!\pau=500\ Cerca di scoprire nuove cose su di esso.</source>
        <translation>\pau=1000\ This time you only need to enter the numbers, without choosing a level!\pau=500\ Try to discover new things about it.</translation>
    </message>
    <message>
        <source>\pau=1000\Sei sulla strada giusta. Apprendista scienziato!</source>
        <translation>\pau=1000\You are on the right track. Apprentice scientist!</translation>
    </message>
    <message>
        <source>Complimenti! Hai scoperto la regola della macchina.\pau=500\ È un vero lavoro da scienziati!</source>
        <translation>Well done! You have found the machine&apos;s rule.\pau=500\ That is real scientists&apos; work!</translation>
    </message>
    <message>
        <source>Adesso tutta la classe ha lo stesso meccanismo!\pau=500\ Fate esperimenti e scoprite insieme la sua regola.</source>
        <translation>Now the whole class has the same mechanism!\pau=500\ Do experiments and find out its rule together.</translation>
    </message>
    <message>
        <source>Fermi tutti!\pau=500\ Guardate la lavagna.</source>
        <translation>Everybody stop!\pau=500\ Look at the board.</translation>
    </message>
    <message>
        <source>Si riparte: continuate pure i vostri esperimenti!</source>
        <translation>Off we go again: carry on with your experiments!</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>esiste già una cartella con questo nome</source>
        <translation>there is already a folder with this name</translation>
    </message>
    <message>
        <source>il file è protetto da scrittura e non si può sostituire</source>
        <translation>the file is write-protected and cannot be replaced</translation>
    </message>
    <message>
        <source>la cartella è protetta da scrittura</source>
        <translation>the folder is write-protected</translation>
    </message>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>il file non si può scrivere</source>
        <translation>the file cannot be written</translation>
    </message>
    <message>
        <source>Nessun meccanismo da salvare: scegli prima un livello.</source>
        <translation>There is no mechanism to save: choose a level first.</translation>
    </message>
    <message>
        <source>documenti(*.txt)</source>
        <extracomment>the file filter of the save dialog</extracomment>
        <translation>documents(*.txt)</translation>
    </message>
    <message>
        <source>Il file scelto non contiene un meccanismo valido.</source>
        <translation>The chosen file does not hold a valid mechanism.</translation>
    </message>
    <message>
        <source>Scegli un file dall&apos;elenco dei meccanismi salvati.</source>
        <translation>Choose a file from the list of saved mechanisms.</translation>
    </message>
    <message>
        <source>Il file scelto non c&apos;è più: forse è stato spostato o cancellato.</source>
        <translation>The chosen file is not there any more: perhaps it was moved or deleted.</translation>
    </message>
    <message>
        <source>Hai scelto una cartella: scegli un file dall&apos;elenco dei meccanismi salvati.</source>
        <translation>You chose a folder: choose a file from the list of saved mechanisms.</translation>
    </message>
    <message>
        <source>Il file scelto non è un documento: non si può aprire.</source>
        <translation>The chosen file is not a document: it cannot be opened.</translation>
    </message>
    <message>
        <source>Il file scelto non si può leggere: forse è protetto.</source>
        <translation>The chosen file cannot be read: perhaps it is protected.</translation>
    </message>
    <message>
        <source>Il meccanismo non è stato salvato in «%1»: %2.</source>
        <extracomment>%1 is the file; %2 is why, such as &quot;il disco è pieno&quot;</extracomment>
        <translation>The mechanism was not saved in “%1”: %2.</translation>
    </message>
    <message>
        <source>E&apos; attivo il meccanismo recuperato  %1</source>
        <extracomment>the status line; %1 is the name of the mechanism opened</extracomment>
        <translation>Using the saved mechanism %1</translation>
    </message>
    <message>
        <source>non è un file normale e non si può sostituire</source>
        <translation>it is not a plain file and cannot be replaced</translation>
    </message>
    <message>
        <source>nel percorso c&apos;è un file al posto di una cartella</source>
        <translation>there is a file where a folder of the path should be</translation>
    </message>
    <message>
        <source>i collegamenti girano in tondo e non portano a nessun file</source>
        <translation>the links go round in a circle and lead to no file</translation>
    </message>
    <message>
        <source>Questo meccanismo è del livello %1, che l&apos;insegnante non ha scelto per la classe: non si può aprire.</source>
        <extracomment>%1 is the level&apos;s number</extracomment>
        <translation>This mechanism is from level %1, which the teacher has not chosen for the class: it cannot be opened.</translation>
    </message>
    <message>
        <source>della classe</source>
        <extracomment>the name the whole class&apos;s mechanism goes by, as a saved one goes by its file&apos;s name</extracomment>
        <translation>of the class</translation>
    </message>
    <message>
        <source>Tutta la classe è sul meccanismo del livello %1</source>
        <extracomment>the status line, once the teacher has put the whole class on one mechanism</extracomment>
        <translation>The whole class is on the mechanism of level %1</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Il computer non sa generare numeri casuali: il PIN non si può salvare.</source>
        <translation>The computer cannot make random numbers: the PIN cannot be saved.</translation>
    </message>
    <message>
        <source>Manca la memoria per proteggere il PIN: chiudi qualche programma e riprova.</source>
        <translation>There is not enough memory to protect the PIN: close some programs and try again.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel è usato da un&apos;altra copia del programma: chiudila oppure aspetta un momento e riprova.</source>
        <translation>Quorvel’s archive is being used by another copy of the program: close it or wait a moment and try again.</translation>
    </message>
    <message>
        <source>Il disco è pieno: l&apos;ultima modifica non è stata salvata. Libera un po&apos; di spazio e riprova.</source>
        <translation>The disk is full: the last change was not saved. Free up some space and try again.</translation>
    </message>
    <message>
        <source>Non posso scrivere l&apos;archivio di Quorvel nella cartella «%1»: forse è protetta. Chiedi aiuto all&apos;insegnante.</source>
        <extracomment>%1 is the folder</extracomment>
        <translation>I cannot write Quorvel’s archive in the folder “%1”: perhaps it is protected. Ask your teacher for help.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel è rovinato: riavvia il programma per ripararlo.</source>
        <translation>Quorvel’s archive is damaged: restart the program to repair it.</translation>
    </message>
    <message>
        <source>Il disco non risponde: l&apos;ultima modifica non è stata salvata.</source>
        <translation>The disk is not responding: the last change was not saved.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel non funziona (errore %1): l&apos;ultima modifica non è stata salvata.</source>
        <extracomment>%1 is the database&apos;s error code</extracomment>
        <translation>Quorvel’s archive is not working (error %1): the last change was not saved.</translation>
    </message>
    <message>
        <source>Non posso creare la cartella «%1» per l&apos;archivio di Quorvel: %2.</source>
        <extracomment>%1 is the folder; %2 is why, such as &quot;il disco è pieno&quot;</extracomment>
        <translation>I cannot create the folder “%1” for Quorvel’s archive: %2.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel è di una versione più nuova del programma: aggiorna Quorvel per usarlo.</source>
        <translation>Quorvel’s archive comes from a newer version of the program: update Quorvel to use it.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel non si può aprire in questa cartella.</source>
        <translation>Quorvel’s archive cannot be opened in this folder.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel è rovinato e non si può mettere da parte: %1.</source>
        <extracomment>%1 is why, such as &quot;il disco è pieno&quot;</extracomment>
        <translation>Quorvel’s archive is damaged and cannot be set aside: %1.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel era rovinato: l&apos;ho messo da parte come «%1» e ne ho cominciato uno nuovo.</source>
        <extracomment>%1 is the name of the damaged file kept aside</extracomment>
        <translation>Quorvel’s archive was damaged: I have set it aside as “%1” and started a new one.</translation>
    </message>
    <message>
        <source>%1 giocatore</source>
        <translation>%1 pupil</translation>
    </message>
    <message>
        <source>%1 giocatori</source>
        <translation>%1 pupils</translation>
    </message>
    <message>
        <source>%1 carta della collezione</source>
        <translation>%1 card of the collection</translation>
    </message>
    <message>
        <source>%1 carte della collezione</source>
        <translation>%1 cards of the collection</translation>
    </message>
    <message>
        <source>%1 prova del quaderno</source>
        <translation>%1 trial of the notebook</translation>
    </message>
    <message>
        <source>%1 prove del quaderno</source>
        <translation>%1 trials of the notebook</translation>
    </message>
    <message>
        <source>le regole della classe</source>
        <translation>the class rules</translation>
    </message>
    <message>
        <source>il PIN dell&apos;insegnante</source>
        <translation>the teacher’s PIN</translation>
    </message>
    <message>
        <source>alcuni giocatori</source>
        <translation>some pupils</translation>
    </message>
    <message>
        <source>alcune carte della collezione</source>
        <translation>some cards of the collection</translation>
    </message>
    <message>
        <source>le regole della classe o il PIN</source>
        <translation>the class rules or the PIN</translation>
    </message>
    <message>
        <source>alcune pagine del quaderno</source>
        <translation>some pages of the notebook</translation>
    </message>
    <message>
        <source>alcune prove del quaderno</source>
        <translation>some trials of the notebook</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel era rovinato: l&apos;ho messo da parte come «%1» e ne ho cominciato uno nuovo, dove ho ricopiato tutto quello che conteneva: %2.</source>
        <extracomment>%1 is the name of the damaged file kept aside; %2 lists what was copied from it</extracomment>
        <translation>Quorvel’s archive was damaged: I have set it aside as “%1” and started a new one, into which I copied everything it held: %2.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel era rovinato: l&apos;ho messo da parte come «%1» e ne ho cominciato uno nuovo, dove ho ricopiato quello che si poteva ancora leggere: %2. Non si sono potuti leggere: %3.</source>
        <extracomment>%1 is the name of the damaged file kept aside; %2 lists what was copied from it, %3 what could not be read</extracomment>
        <translation>Quorvel’s archive was damaged: I have set it aside as “%1” and started a new one, into which I copied what could still be read: %2. What could not be read: %3.</translation>
    </message>
    <message>
        <source>Non posso creare la cartella «%1» per l&apos;archivio di Quorvel: «%2» è un file, non una cartella.</source>
        <extracomment>%1 is the folder; %2 is a file that stands where a folder of its path should be</extracomment>
        <translation>I cannot create the folder “%1” for Quorvel’s archive: “%2” is a file, not a folder.</translation>
    </message>
    <message>
        <source>L&apos;archivio di Quorvel («%1») è un collegamento a «%2», che non c&apos;è: forse è su un disco staccato. Chiedi aiuto all&apos;insegnante.</source>
        <extracomment>%1 is the database&apos;s file, %2 where its link leads</extracomment>
        <translation>Quorvel’s archive (“%1”) is a link to “%2”, which is not there: perhaps it is on a disk that was unplugged. Ask your teacher for help.</translation>
    </message>
    <message>
        <source>Al posto dell&apos;archivio di Quorvel («%1») c&apos;è una cartella: spostala o cambiale nome, oppure chiedi aiuto all&apos;insegnante.</source>
        <extracomment>%1 is the database&apos;s file</extracomment>
        <translation>There is a folder where Quorvel’s archive (“%1”) should be: move it or rename it, or ask your teacher for help.</translation>
    </message>
    <message>
        <source>Al posto dell&apos;archivio di Quorvel («%1») c&apos;è un file speciale, che non può fare da archivio. Chiedi aiuto all&apos;insegnante.</source>
        <extracomment>%1 is the database&apos;s file</extracomment>
        <translation>There is a special file where Quorvel’s archive (“%1”) should be, which cannot hold an archive. Ask your teacher for help.</translation>
    </message>
</context>
</TS>
