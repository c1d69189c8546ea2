<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Formula</name>
    <message>
        <source>non conosco «%1»: usa A per il primo numero e B per il secondo</source>
        <extracomment>%1 is the word the pupil wrote</extracomment>
        <translation>I don&apos;t know “%1”: use A for the first number and B for the second</translation>
    </message>
    <message>
        <source>manca un segno di operazione tra «%1» e «%2»</source>
        <extracomment>%1 and %2 are two letters written together (&quot;A&quot;, &quot;B&quot;)</extracomment>
        <translation>an operation sign is missing between “%1” and “%2”</translation>
    </message>
    <message>
        <source>questo segno non si può usare in una formula</source>
        <translation>this sign can&apos;t be used in a formula</translation>
    </message>
    <message>
        <source>c&apos;è un segno di operazione fuori posto</source>
        <translation>there&apos;s an operation sign in the wrong place</translation>
    </message>
    <message>
        <source>la formula finisce a metà</source>
        <translation>the formula stops halfway</translation>
    </message>
    <message>
        <source>c&apos;è una virgola fuori posto</source>
        <translation>there&apos;s a comma in the wrong place</translation>
    </message>
    <message>
        <source>manca un segno di operazione prima di «%1»</source>
        <extracomment>%1 is a number, a letter, a function&apos;s name or a parenthesis from the formula</extracomment>
        <translation>an operation sign is missing before “%1”</translation>
    </message>
    <message>
        <source>c&apos;è una parentesi fuori posto</source>
        <translation>there&apos;s a bracket in the wrong place</translation>
    </message>
    <message>
        <source>manca una parentesi chiusa</source>
        <translation>a closing bracket is missing</translation>
    </message>
    <message>
        <source>la funzione ha troppi numeri tra le parentesi</source>
        <translation>the function has too many numbers in its brackets</translation>
    </message>
    <message>
        <source>la funzione vuole più numeri tra le parentesi</source>
        <translation>the function needs more numbers in its brackets</translation>
    </message>
    <message>
        <source>la formula non è scritta bene</source>
        <translation>the formula isn&apos;t written correctly</translation>
    </message>
    <message>
        <source>scrivi una formula con A e B, per esempio A + B</source>
        <translation>write a formula with A and B, for example A + B</translation>
    </message>
    <message>
        <source>il segno «%1» separa i numeri dentro le parentesi di una funzione, come in max(A%1 B)</source>
        <extracomment>%1 is the separator the pupil typed, &quot;;&quot; or &quot;,&quot;</extracomment>
        <translation>the sign “%1” separates the numbers inside a function&apos;s brackets, as in max(A%1 B)</translation>
    </message>
    <message>
        <source>per le potenze usa il segno ^: al posto di «%1» scrivi ^%2</source>
        <extracomment>%1 is the small raised number the pupil typed (&quot;²&quot;), %2 the same in ordinary digits</extracomment>
        <translation>for powers use the sign ^: instead of “%1” write ^%2</translation>
    </message>
    <message>
        <source>la formula è troppo lunga: al massimo %1 caratteri</source>
        <extracomment>%1 is the largest number of characters a formula may have</extracomment>
        <translation>the formula is too long: %1 characters at most</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Meccanismo %1</source>
        <extracomment>%1 is the page&apos;s number</extracomment>
        <translation>Mechanism %1</translation>
    </message>
    <message>
        <source>la macchina non calcola con questi numeri: prova %1</source>
        <extracomment>%1 is the number of the one trial where the machine showed &quot;????&quot;</extracomment>
        <translation>the machine does not work with these numbers: trial %1</translation>
    </message>
    <message>
        <source>la macchina non calcola con questi numeri: prove %1</source>
        <extracomment>%1 lists the trials where the machine showed &quot;????&quot;: &quot;5, 6 e 9&quot;</extracomment>
        <translation>the machine does not work with these numbers: trials %1</translation>
    </message>
</context>
<context>
    <name>NotebookWords</name>
    <message>
        <source>Pagina</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Livello</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Prova</source>
        <translation>Trial</translation>
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
    <message>
        <source>Esito</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Scoperta</source>
        <extracomment>the column telling whether the rule was discovered or revealed</extracomment>
        <translation>Discovery</translation>
    </message>
    <message>
        <source>primo numero</source>
        <translation>first number</translation>
    </message>
    <message>
        <source>secondo numero</source>
        <translation>second number</translation>
    </message>
    <message>
        <source>uscita</source>
        <translation>output</translation>
    </message>
    <message>
        <source>scoperta</source>
        <extracomment>a rule the pupil found out</extracomment>
        <translation>discovered</translation>
    </message>
    <message>
        <source>rivelata</source>
        <extracomment>a rule that was shown to the pupil</extracomment>
        <translation>revealed</translation>
    </message>
    <message>
        <source>giusta</source>
        <extracomment>the outcome of a prediction</extracomment>
        <translation>right</translation>
    </message>
    <message>
        <source>sbagliata</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>%1 · livello %2</source>
        <extracomment>%1 is the mechanism&apos;s name (&quot;Meccanismo 3&quot;), %2 the level&apos;s number</extracomment>
        <translation>%1 · level %2</translation>
    </message>
    <message>
        <source>La regola: %1</source>
        <extracomment>%1 is the hidden rule, in words</extracomment>
        <translation>The rule: %1</translation>
    </message>
    <message>
        <source>Livello %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Hai scoperto la regola!</source>
        <translation>You have found the rule!</translation>
    </message>
    <message>
        <source>Regola</source>
        <translation>Rule</translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <source>Non capisco la previsione «%1»: scrivi un numero (come 12 o 2,5), «????» se pensi che la macchina non calcoli, oppure, se la macchina sceglie a caso, tutto quello che può uscire: «da 3 a 9» o «5 o 7».</source>
        <extracomment>%1 is what the pupil wrote as a prediction</extracomment>
        <translation>I don&apos;t understand the prediction “%1”: write a number (like 12 or 2.5), “????” if you think the machine won&apos;t work it out, or, if the machine picks at random, everything that can come out: “from 3 to 9” or “5 or 7”.</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>la media dei due numeri</source>
        <translation>the average of the two numbers</translation>
    </message>
    <message>
        <source>il più grande dei due numeri</source>
        <translation>the larger of the two numbers</translation>
    </message>
    <message>
        <source>il più piccolo dei due numeri</source>
        <translation>the smaller of the two numbers</translation>
    </message>
    <message>
        <source>il risultato</source>
        <translation>the result</translation>
    </message>
    <message>
        <source>La macchina calcola %1; poi calcola %2.</source>
        <extracomment>%1 is a calculation with the two numbers, %2 one with its result
----------
%1 is a remainder in words, %2 a calculation with it</extracomment>
        <translation>The machine works out %1; then it works out %2.</translation>
    </message>
    <message>
        <source>il resto della divisione del primo numero per il secondo</source>
        <translation>the remainder when the first number is divided by the second</translation>
    </message>
    <message>
        <source>il resto della divisione del secondo numero per il primo</source>
        <translation>the remainder when the second number is divided by the first</translation>
    </message>
    <message>
        <source>La macchina moltiplica il primo numero per %1 e il secondo per %2, poi fa il prodotto dei due risultati.</source>
        <extracomment>%1 and %2 are numbers</extracomment>
        <translation>The machine multiplies the first number by %1 and the second by %2, then multiplies the two results together.</translation>
    </message>
    <message>
        <source>il primo risultato</source>
        <translation>the first result</translation>
    </message>
    <message>
        <source>il secondo risultato</source>
        <translation>the second result</translation>
    </message>
    <message>
        <source>La macchina fa due calcoli con i due numeri: prima %1, poi %2. Il risultato è %3.</source>
        <extracomment>%1 and %2 are two calculations with the two numbers, %3 one with their results</extracomment>
        <translation>The machine does two calculations with the two numbers: first %1, then %2. The result is %3.</translation>
    </message>
    <message>
        <source>Il risultato è, a caso, il primo o il secondo numero.</source>
        <translation>The result is either the first or the second number, at random.</translation>
    </message>
    <message>
        <source>il numero scelto</source>
        <translation>the chosen number</translation>
    </message>
    <message>
        <source>La macchina sceglie a caso uno dei due numeri e calcola %1.</source>
        <extracomment>%1 is a calculation with the chosen number</extracomment>
        <translation>The machine picks one of the two numbers at random and works out %1.</translation>
    </message>
    <message>
        <source>Il risultato è, a caso, il quadrato del primo o del secondo numero.</source>
        <translation>The result is the square of either the first or the second number, at random.</translation>
    </message>
    <message>
        <source>La macchina sceglie a caso tre calcoli al primo esperimento e poi li usa sempre: due con i numeri nascosti e uno che unisce i risultati.</source>
        <translation>At the first experiment the machine picks three calculations at random and then always uses them: two with the hidden numbers and one that joins the results.</translation>
    </message>
    <message>
        <source>La macchina calcola prima %1, poi %2. Il risultato è %3.</source>
        <extracomment>%1 and %2 are two calculations, %3 one with their results</extracomment>
        <translation>The machine first works out %1, then %2. The result is %3.</translation>
    </message>
    <message>
        <source>La macchina sceglie a caso, al primo esperimento, un&apos;operazione da fare con i due numeri e con %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>At the first experiment the machine picks at random an operation to do with the two numbers and with %1.</translation>
    </message>
    <message>
        <source>La macchina calcola la somma dei due numeri e %1.</source>
        <extracomment>%1 is a number joined to &quot;di&quot; (&quot;di 7&quot;), %2 the number on its own</extracomment>
        <translation>The machine works out the sum of the two numbers and %2.</translation>
    </message>
    <message>
        <source>La macchina calcola il prodotto dei due numeri e %1.</source>
        <extracomment>%1 is a number joined to &quot;di&quot; (&quot;di 7&quot;), %2 the number on its own</extracomment>
        <translation>The machine works out the product of the two numbers and %2.</translation>
    </message>
    <message>
        <source>La macchina mette i due numeri in un ordine a caso; al primo toglie %1 e poi il secondo, e tiene il risultato senza il segno meno.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>The machine puts the two numbers in a random order; from the first it takes away %1 and then the second, and keeps the result without the minus sign.</translation>
    </message>
    <message>
        <source>Il risultato è il minimo comune multiplo dei due numeri, moltiplicato per %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>The result is the lowest common multiple of the two numbers, multiplied by %1.</translation>
    </message>
    <message>
        <source>Il risultato è il massimo comune divisore dei due numeri, moltiplicato per %1.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>The result is the highest common factor of the two numbers, multiplied by %1.</translation>
    </message>
    <message>
        <source>Se i due numeri sono tutti e due pari, il risultato è 2; se sono tutti e due dispari, è 1; se uno è pari e l&apos;altro dispari, è 0.</source>
        <translation>If the two numbers are both even, the result is 2; if they are both odd, it is 1; if one is even and the other odd, it is 0.</translation>
    </message>
    <message>
        <source>Il risultato è 1 se i due numeri sono tutti e due dispari, altrimenti è 0.</source>
        <translation>The result is 1 if the two numbers are both odd, otherwise it is 0.</translation>
    </message>
    <message>
        <source>Se il primo numero è più piccolo del secondo, il risultato è 0; se è più grande, è 1; se i due numeri sono uguali, il risultato è il primo numero.</source>
        <translation>If the first number is smaller than the second, the result is 0; if it is larger, it is 1; if the two numbers are the same, the result is the first number.</translation>
    </message>
    <message>
        <source>La macchina calcola il quadrato della somma dei due numeri.</source>
        <translation>The machine works out the square of the sum of the two numbers.</translation>
    </message>
    <message>
        <source>La macchina calcola il quadrato della differenza tra i due numeri.</source>
        <translation>The machine works out the square of the difference between the two numbers.</translation>
    </message>
    <message>
        <source>Il risultato è il resto della divisione del primo numero per il secondo.</source>
        <translation>The result is the remainder when the first number is divided by the second.</translation>
    </message>
    <message>
        <source>Il risultato è il resto della divisione del secondo numero per il primo.</source>
        <translation>The result is the remainder when the second number is divided by the first.</translation>
    </message>
    <message>
        <source>Il risultato è il più grande dei due numeri.</source>
        <translation>The result is the larger of the two numbers.</translation>
    </message>
    <message>
        <source>Il risultato è il più piccolo dei due numeri.</source>
        <translation>The result is the smaller of the two numbers.</translation>
    </message>
    <message>
        <source>La macchina calcola la somma dei quadrati dei due numeri.</source>
        <translation>The machine works out the sum of the squares of the two numbers.</translation>
    </message>
    <message>
        <source>Il risultato è il quadrato del primo numero.</source>
        <translation>The result is the square of the first number.</translation>
    </message>
    <message>
        <source>Il risultato è il quadrato del secondo numero.</source>
        <translation>The result is the square of the second number.</translation>
    </message>
    <message>
        <source>Il risultato è il minimo comune multiplo dei due numeri.</source>
        <translation>The result is the lowest common multiple of the two numbers.</translation>
    </message>
    <message>
        <source>Il risultato è il massimo comune divisore dei due numeri.</source>
        <translation>The result is the highest common factor of the two numbers.</translation>
    </message>
    <message>
        <source>il primo numero</source>
        <translation>the first number</translation>
    </message>
    <message>
        <source>il secondo numero</source>
        <translation>the second number</translation>
    </message>
    <message>
        <source>il quadrato %1</source>
        <extracomment>%1 is a quantity joined to &quot;di&quot; (&quot;del primo numero&quot;), %2 the same quantity on its own (&quot;il primo numero&quot;): use the one your language needs.</extracomment>
        <translation>the square of %2</translation>
    </message>
    <message>
        <source>la somma %1 e %2</source>
        <extracomment>%1 and %2 are two quantities joined to &quot;di&quot; (&quot;del primo numero&quot;), %3 and %4 the same quantities on their own (&quot;il primo numero&quot;): use the ones your language needs.</extracomment>
        <translation>the sum of %3 and %4</translation>
    </message>
    <message>
        <source>il prodotto %1 e %2</source>
        <extracomment>%1 and %2 are two quantities joined to &quot;di&quot; (&quot;del primo numero&quot;), %3 and %4 the same quantities on their own (&quot;il primo numero&quot;): use the ones your language needs.</extracomment>
        <translation>the product of %3 and %4</translation>
    </message>
    <message>
        <source>La macchina non riesce a calcolare niente: mostra sempre «????».</source>
        <translation>The machine can&apos;t work anything out: it always shows “????”.</translation>
    </message>
    <message>
        <source>La macchina calcola %1.</source>
        <extracomment>%1 is a quantity (&quot;la somma del primo numero e del secondo numero&quot;)</extracomment>
        <translation>The machine works out %1.</translation>
    </message>
    <message>
        <source>La macchina calcola %1; poi fa un&apos;altra operazione tra il risultato e %2, che sceglie a caso al primo esperimento.</source>
        <extracomment>%1 is a calculation with the two numbers, %2 a number or &quot;il secondo numero&quot;</extracomment>
        <translation>The machine works out %1; then it does another operation with the result and %2, which it picks at random at the first experiment.</translation>
    </message>
    <message>
        <source>Il risultato può avere la virgola.</source>
        <translation>The answer can have decimals.</translation>
    </message>
    <message>
        <source>il resto</source>
        <translation>the remainder</translation>
    </message>
    <message>
        <source>Il risultato è un numero intero a caso dalla differenza dei due numeri (si toglie sempre il numero minore dal maggiore) fino alla loro somma, compresi.</source>
        <translation>The result is a random whole number from the difference of the two numbers (always the smaller number taken from the larger) to their sum, both included.</translation>
    </message>
    <message>
        <source>Il risultato è il più grande dei due numeri più un numero intero a caso da 1 fino a 80, compresi.</source>
        <translation>The result is the larger of the two numbers plus a random whole number from 1 to 80, both included.</translation>
    </message>
    <message>
        <source>Il risultato è un numero intero a caso da 0 fino al più piccolo dei due numeri meno 1, compresi (ma mai sotto lo 0).</source>
        <translation>The result is a random whole number from 0 to the smaller of the two numbers minus 1, both included (but never below 0).</translation>
    </message>
    <message>
        <source>La macchina calcola la somma del primo numero e di %1 e la somma del secondo numero e di %2; poi calcola la somma dei due risultati.</source>
        <extracomment>%1 and %2 are numbers</extracomment>
        <translation>The machine works out the sum of the first number and %1 and the sum of the second number and %2; then it works out the sum of the two results.</translation>
    </message>
    <message>
        <source>La macchina divide il primo numero per %1 e il secondo per %2, e toglie ai due risultati la parte dopo la virgola; poi divide il primo risultato per il secondo, e toglie di nuovo la parte dopo la virgola.</source>
        <extracomment>%1 and %2 are numbers</extracomment>
        <translation>The machine divides the first number by %1 and the second by %2, and drops the decimals of both results; then it divides the first result by the second, and drops the decimals again.</translation>
    </message>
    <message>
        <source>La macchina calcola la differenza tra il primo numero e %1 e quella tra il secondo numero e %2; poi la differenza tra i due risultati (si toglie sempre il numero minore dal maggiore).</source>
        <extracomment>%1 and %2 are numbers</extracomment>
        <translation>The machine works out the difference between the first number and %1 and the one between the second number and %2; then the difference between the two results (always the smaller number taken from the larger).</translation>
    </message>
    <message>
        <source>Il risultato è un numero intero a caso tra il più grande dei due numeri e %1, compresi tutti e due.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>The result is a random whole number between the larger of the two numbers and %1, both included.</translation>
    </message>
    <message>
        <source>La macchina mette i due numeri in un ordine a caso; divide il primo per %1 senza la parte dopo la virgola, poi divide questo risultato per il secondo, di nuovo senza la parte dopo la virgola.</source>
        <extracomment>%1 is a number</extracomment>
        <translation>The machine puts the two numbers in a random order; it divides the first by %1 without the decimals, then divides that result by the second, again without the decimals.</translation>
    </message>
    <message>
        <source>La macchina calcola la media dei due numeri: la loro somma divisa per 2 (il risultato può avere la virgola).</source>
        <translation>The machine works out the average of the two numbers: their sum divided by 2 (the answer can have decimals).</translation>
    </message>
    <message>
        <source>La macchina calcola la radice quadrata della somma dei quadrati dei due numeri, senza la parte dopo la virgola.</source>
        <translation>The machine works out the square root of the sum of the squares of the two numbers, without the decimals.</translation>
    </message>
    <message>
        <source>La macchina calcola la differenza tra i quadrati dei due numeri (si toglie sempre il numero minore dal maggiore).</source>
        <translation>The machine works out the difference between the squares of the two numbers (always the smaller number taken from the larger).</translation>
    </message>
    <message>
        <source>se il secondo numero è più grande di %1</source>
        <extracomment>%1 is a number</extracomment>
        <translation>if the second number is larger than %1</translation>
    </message>
    <message>
        <source>se il primo numero è più grande di %1</source>
        <extracomment>%1 is a number</extracomment>
        <translation>if the first number is larger than %1</translation>
    </message>
    <message>
        <source>se uno dei due numeri è 0</source>
        <translation>if one of the two numbers is 0</translation>
    </message>
    <message>
        <source>se il minimo comune multiplo è più grande di %1</source>
        <extracomment>%1 is a number</extracomment>
        <translation>if the lowest common multiple is larger than %1</translation>
    </message>
    <message>
        <source>La macchina mostra «????» %1.</source>
        <extracomment>%1 is when: &quot;se il secondo numero è più grande di 32767&quot;</extracomment>
        <translation>The machine shows “????” %1.</translation>
    </message>
    <message>
        <source>La macchina mostra «????» %1 o %2.</source>
        <extracomment>%1 and %2 are when: &quot;se il secondo numero è più grande di 32767&quot;</extracomment>
        <translation>The machine shows “????” %1 or %2.</translation>
    </message>
    <message>
        <source>La macchina mostra «????» %1, %2 o %3.</source>
        <extracomment>%1, %2 and %3 are when: &quot;se il secondo numero è più grande di 32767&quot;</extracomment>
        <translation>The machine shows “????” %1, %2 or %3.</translation>
    </message>
    <message>
        <source>la differenza tra %1 e %2 (si toglie sempre il numero minore dal maggiore)</source>
        <extracomment>%1 and %2 are two quantities (&quot;il primo numero&quot;, &quot;7&quot;)</extracomment>
        <translation>the difference between %1 and %2 (always the smaller number taken from the larger)</translation>
    </message>
    <message>
        <source>la divisione %1 per %2 (il risultato può avere la virgola)</source>
        <extracomment>%1 is the dividend joined to &quot;di&quot; (&quot;del primo numero&quot;), %2 the divisor (&quot;7&quot;); %3 and %4 the same on their own: use the ones your language needs.</extracomment>
        <translation>%3 divided by %4 (the answer can have decimals)</translation>
    </message>
    <message>
        <source>il risultato della divisione %1 per %2, senza la parte dopo la virgola</source>
        <extracomment>%1 is the dividend joined to &quot;di&quot; (&quot;del primo numero&quot;), %2 the divisor (&quot;7&quot;); %3 and %4 the same on their own: use the ones your language needs.</extracomment>
        <translation>%3 divided by %4, without the decimals</translation>
    </message>
</context>
</TS>
