<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CaptionFont</name>
    <message>
        <source>The caption font %1 (Debian package fonts-wine) could not be loaded: text is drawn in %2, whose sizes differ.</source>
        <translation>Не удалось загрузить шрифт подписей %1 (пакет Debian fonts-wine): текст рисуется шрифтом %2, размеры которого отличаются.</translation>
    </message>
</context>
<context>
    <name>ColorBox</name>
    <message>
        <source>Light yellow</source>
        <translation>Светло-жёлтый</translation>
    </message>
    <message>
        <source>Light green</source>
        <translation>Светло-зелёный</translation>
    </message>
    <message>
        <source>Light blue</source>
        <translation>Светло-голубой</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Lilac</source>
        <translation>Сиреневый</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Салатовый</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Светло-бирюзовый</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лавандовый</translation>
    </message>
    <message>
        <source>Peach</source>
        <translation>Персиковый</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>Gravelink file (*.grvlk)|*.grvlk</source>
        <translation>Файл Gravelink (*.grvlk)|*.grvlk</translation>
    </message>
    <message>
        <source>The scheme was written to %1 but cannot be read back. %2</source>
        <translation>Схема записана в %1, но её не удаётся прочитать обратно. %2</translation>
    </message>
    <message>
        <source>The scheme was not saved: the file %1 read back differs from what was written.</source>
        <translation>Схема не сохранена: прочитанный обратно файл %1 отличается от записанного.</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program after it was opened. Replace it with this scheme?</source>
        <translation>Файл %1 был изменён другой программой после открытия. Заменить его этой схемой?</translation>
    </message>
    <message>
        <source>Cannot open the scheme &quot;%1&quot;.
%2</source>
        <translation>Не удаётся открыть схему «%1».
%2</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program. Reload it?</source>
        <translation>Файл %1 изменён другой программой. Загрузить его заново?</translation>
    </message>
    <message>
        <source>Do you save the scheme?</source>
        <translation>Сохранить схему?</translation>
    </message>
    <message>
        <source>A sheet of %1 x %2 pixels cannot be created.</source>
        <translation>Лист размером %1 x %2 пикселей создать нельзя.</translation>
    </message>
    <message>
        <source>Nothing was saved: the name of a bitmap file must end in &quot;%1&quot;.</source>
        <translation>Ничего не сохранено: имя файла растрового рисунка должно оканчиваться на «%1».</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Distribute</source>
        <translation>Распределение</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Выровнять</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Reverse Line</source>
        <translation>Разворот линии</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Перемещение</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Recolour</source>
        <translation>Смена цвета</translation>
    </message>
    <message>
        <source>Resize Sheet</source>
        <translation>Размер листа</translation>
    </message>
    <message>
        <source>Create Rectangle</source>
        <translation>Создание прямоугольника</translation>
    </message>
    <message>
        <source>Create Point</source>
        <translation>Создание точки</translation>
    </message>
    <message>
        <source>Line is not created!</source>
        <translation>Линия не создана!</translation>
    </message>
    <message>
        <source>Line is finded!</source>
        <translation>Такая линия уже есть!</translation>
    </message>
    <message>
        <source>Create Line</source>
        <translation>Создание линии</translation>
    </message>
    <message numerus="yes">
        <source>%n items selected</source>
        <translation>
            <numerusform>Выделен %n объект</numerusform>
            <numerusform>Выделено %n объекта</numerusform>
            <numerusform>Выделено %n объектов</numerusform>
        </translation>
    </message>
    <message>
        <source>Rectangle &quot;%1&quot; at %2, %3</source>
        <translation>Прямоугольник «%1» в точке %2, %3</translation>
    </message>
    <message>
        <source>Point &quot;%1&quot; at %2, %3</source>
        <translation>Точка «%1» в точке %2, %3</translation>
    </message>
    <message>
        <source>Line &quot;%1&quot; from %2, %3 to %4, %5</source>
        <translation>Линия «%1» от %2, %3 до %4, %5</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Ничего не выделено</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>Nothing was exported: the name of the picture must end in %1.</source>
        <translation>Ничего не экспортировано: имя рисунка должно оканчиваться на %1.</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. The scheme cannot be drawn: %2</source>
        <translation>Не удаётся записать файл «%1». Схему нельзя нарисовать: %2</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Не удаётся записать файл «%1». %2</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>Nothing was written</source>
        <translation>Ничего не записано</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Совпадения</translation>
    </message>
</context>
<context>
    <name>IntText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является целым числом</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>There is not enough memory to complete the command.</source>
        <translation>Недостаточно памяти для выполнения команды.</translation>
    </message>
    <message>
        <source>The command could not be completed because of an internal error (%1).</source>
        <translation>Команду не удалось выполнить из-за внутренней ошибки (%1).</translation>
    </message>
    <message>
        <source>The command could not be completed because of an internal error.</source>
        <translation>Команду не удалось выполнить из-за внутренней ошибки.</translation>
    </message>
    <message>
        <source>Unsaved changes cannot be backed up: %1. Save your work to keep it.</source>
        <translation>Несохранённые изменения не удаётся сберечь: %1. Сохраните работу, чтобы не потерять её.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>%1 - version 1.1</source>
        <translation>%1 — версия 1.1</translation>
    </message>
    <message>
        <source>Program for schematic notes.</source>
        <translation>Программа для схематических заметок.</translation>
    </message>
    <message>
        <source>Rectangle - Right click</source>
        <translation>Прямоугольник — правый щелчок</translation>
    </message>
    <message>
        <source>Point - Middle mouse button</source>
        <translation>Точка — средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Line - Double click on a object</source>
        <translation>Линия — двойной щелчок по объекту</translation>
    </message>
    <message>
        <source>Move a object - [Ctrl]+ keypress[left,top,right,down]</source>
        <translation>Сдвинуть объект — [Ctrl]+ стрелки [влево, вверх, вправо, вниз]</translation>
    </message>
    <message>
        <source>Move a sheet - [Shift]+ keypress[left,top,right,down]</source>
        <translation>Сдвинуть лист — [Shift]+ стрелки [влево, вверх, вправо, вниз]</translation>
    </message>
    <message>
        <source>Multi select - [Shift]+ left click</source>
        <translation>Выбрать несколько — [Shift]+ левый щелчок</translation>
    </message>
    <message>
        <source>Multi move - pressed[Shift] + drag&amp;drop with left mouse button</source>
        <translation>Сдвинуть несколько — с нажатой [Shift] перетащить левой кнопкой</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>ChangeLine</source>
        <translation>Развернуть линию</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>LockSet</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Сдвиг влево</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Сдвиг вверх</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Сдвиг вправо</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Сдвиг вниз</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Прокрутить вниз</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Прокрутить вверх</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Прокрутить вправо</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Копировать рисунок</translation>
    </message>
    <message>
        <source>Save as Bitmap</source>
        <translation>Сохранить как BMP</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>View navigator</source>
        <translation>Навигатор</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Найти назад</translation>
    </message>
    <message>
        <source>Left Edges</source>
        <translation>По левому краю</translation>
    </message>
    <message>
        <source>Centres</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Right Edges</source>
        <translation>По правому краю</translation>
    </message>
    <message>
        <source>Top Edges</source>
        <translation>По верхнему краю</translation>
    </message>
    <message>
        <source>Middles</source>
        <translation>По середине</translation>
    </message>
    <message>
        <source>Bottom Edges</source>
        <translation>По нижнему краю</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Распределить по горизонтали</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Распределить по вертикали</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Привязка к сетке</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Реальный размер</translation>
    </message>
    <message>
        <source>Fit Sheet</source>
        <translation>Весь лист</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>Align</source>
        <translation>Выровнять</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Cursor</source>
        <translation>Курсор</translation>
    </message>
    <message>
        <source>Rectangle (Right click)</source>
        <translation>Прямоугольник (правый щелчок)</translation>
    </message>
    <message>
        <source>Point (middle mouse button)</source>
        <translation>Точка (средняя кнопка мыши)</translation>
    </message>
    <message>
        <source>Line (Double click)</source>
        <translation>Линия (двойной щелчок)</translation>
    </message>
    <message>
        <source>Select color rectangle</source>
        <translation>Цвет прямоугольника</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Текст:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Text + [ENTER]</source>
        <translation>Текст + [ENTER]</translation>
    </message>
    <message>
        <source>Xc:</source>
        <translation>Xc:</translation>
    </message>
    <message>
        <source>Yc:</source>
        <translation>Yc:</translation>
    </message>
    <message>
        <source>Change line</source>
        <translation>Развернуть линию</translation>
    </message>
    <message>
        <source>Delete element</source>
        <translation>Удалить элемент</translation>
    </message>
    <message>
        <source>Height -</source>
        <translation>Высота -</translation>
    </message>
    <message>
        <source>Height +</source>
        <translation>Высота +</translation>
    </message>
    <message>
        <source>Width -</source>
        <translation>Ширина -</translation>
    </message>
    <message>
        <source>Width +</source>
        <translation>Ширина +</translation>
    </message>
    <message>
        <source>Navigator</source>
        <translation>Навигатор</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Centre X</source>
        <translation>Центр X</translation>
    </message>
    <message>
        <source>Centre X of the selected element + [ENTER]</source>
        <translation>Центр X выделенного элемента + [ENTER]</translation>
    </message>
    <message>
        <source>Centre Y</source>
        <translation>Центр Y</translation>
    </message>
    <message>
        <source>Centre Y of the selected element + [ENTER]</source>
        <translation>Центр Y выделенного элемента + [ENTER]</translation>
    </message>
    <message>
        <source>The whole sheet, with the part the window shows</source>
        <translation>Весь лист и видимая в окне часть</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>The view scale</source>
        <translation>Масштаб просмотра</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Text to find in captions and names + [ENTER]</source>
        <translation>Текст для поиска в подписях и именах + [ENTER]</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Лист</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
</context>
<context>
    <name>NewSheetDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>По окну</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Книжн.</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом.</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>New canvas</source>
        <translation>Новый лист</translation>
    </message>
    <message>
        <source>The width must be from 1 to %1 pixels.</source>
        <translation>Ширина должна быть от 1 до %1 пикселей.</translation>
    </message>
    <message>
        <source>The height must be from 1 to %1 pixels.</source>
        <translation>Высота должна быть от 1 до %1 пикселей.</translation>
    </message>
</context>
<context>
    <name>PictureFormats</name>
    <message>
        <source>Bitmap</source>
        <translation>Растровый рисунок</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Рисунок PNG</translation>
    </message>
    <message>
        <source>SVG picture</source>
        <translation>Рисунок SVG</translation>
    </message>
    <message>
        <source>Compressed SVG picture</source>
        <translation>Сжатый рисунок SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Документ PDF</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. There is not enough memory for a picture of %2 x %3 pixels.</source>
        <translation>Не удаётся записать файл «%1». Недостаточно памяти для рисунка %2 x %3 пикселей.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
</context>
<context>
    <name>PrintScheme</name>
    <message>
        <source>Fit to page</source>
        <translation>По размеру страницы</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Реальный размер</translation>
    </message>
    <message>
        <source>The scheme cannot be printed: %1</source>
        <translation>Схему нельзя напечатать: %1</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>a new scheme</source>
        <translation>новой схеме</translation>
    </message>
    <message>
        <source>%1 did not close properly. Recover the unsaved changes to %2 from %3?</source>
        <translation>%1 был закрыт неправильно. Восстановить несохранённые изменения в %2 от %3?</translation>
    </message>
    <message>
        <source>%1 did not close properly and kept the unsaved changes to %2 from %3. Recover them instead of opening &quot;%4&quot;?</source>
        <translation>%1 был закрыт неправильно и сохранил несохранённые изменения в %2 от %3. Восстановить их вместо открытия «%4»?</translation>
    </message>
    <message>
        <source>
Its folder no longer exists: the scheme opens without a name, and Save asks for one.</source>
        <translation>
Её папки больше нет: схема откроется без имени, и при сохранении будет запрошено имя.</translation>
    </message>
    <message>
        <source>The recovery file &quot;%1&quot; could not be read and was set aside as &quot;%2&quot;.</source>
        <translation>Файл восстановления «%1» не удалось прочитать; он отложен под именем «%2».</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Не удаётся создать папку «%1».</translation>
    </message>
    <message>
        <source>Cannot lock a recovery file in &quot;%1&quot;.</source>
        <translation>Не удаётся заблокировать файл восстановления в «%1».</translation>
    </message>
</context>
<context>
    <name>SchemeFile</name>
    <message>
        <source>the sheet %1 is missing</source>
        <translation>нет поля «%1» листа</translation>
    </message>
    <message>
        <source>the sheet %1 %2 is not a number</source>
        <translation>%1 листа %2 не является числом</translation>
    </message>
    <message>
        <source>the sheet %1 %2 is not between 1 and %3</source>
        <translation>%1 листа %2 не лежит между 1 и %3</translation>
    </message>
    <message>
        <source>width</source>
        <translation>ширина</translation>
    </message>
    <message>
        <source>height</source>
        <translation>высота</translation>
    </message>
    <message>
        <source>a sheet of %1 x %2 pixels is too large (at most %3 pixels)</source>
        <translation>лист %1 x %2 пикселей слишком велик (не более %3 пикселей)</translation>
    </message>
    <message>
        <source>the file ends inside the %1 section of line %2 (no &quot;[~]&quot;)</source>
        <translation>файл кончается внутри раздела %1 из строки %2 (нет «[~]»)</translation>
    </message>
    <message>
        <source>the row count %1 is not a number</source>
        <translation>число строк %1 не является числом</translation>
    </message>
    <message>
        <source>the row count %1 is negative</source>
        <translation>число строк %1 отрицательно</translation>
    </message>
    <message>
        <source>the column count %1 is not a number</source>
        <translation>число столбцов %1 не является числом</translation>
    </message>
    <message>
        <source>the column count %1 is too small (at least %2)</source>
        <translation>число столбцов %1 слишком мало (не менее %2)</translation>
    </message>
    <message>
        <source>the column count %1 is too large (at most %2)</source>
        <translation>число столбцов %1 слишком велико (не более %2)</translation>
    </message>
    <message>
        <source>the %1 coordinate %2 of %3 is not a whole number</source>
        <translation>координата %1 %2 у %3 не является целым числом</translation>
    </message>
    <message>
        <source>the colour %1 of %2 is not a colour</source>
        <translation>цвет %1 у %2 не является цветом</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
</context>
<context>
    <name>SheetPictureFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;. The picture cannot be encoded.</source>
        <translation>Не удаётся записать файл «%1». Рисунок нельзя закодировать.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Другие клавиши</translation>
    </message>
    <message>
        <source>Place a rectangle</source>
        <translation>Поставить прямоугольник</translation>
    </message>
    <message>
        <source>Right click, then click</source>
        <translation>Правый щелчок, затем щелчок</translation>
    </message>
    <message>
        <source>Place a point</source>
        <translation>Поставить точку</translation>
    </message>
    <message>
        <source>Middle button, then click</source>
        <translation>Средняя кнопка, затем щелчок</translation>
    </message>
    <message>
        <source>Select an element</source>
        <translation>Выделить элемент</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Щелчок</translation>
    </message>
    <message>
        <source>Join two elements with a line</source>
        <translation>Соединить два элемента линией</translation>
    </message>
    <message>
        <source>Double click one, then click the other</source>
        <translation>Двойной щелчок по одному, затем щелчок по другому</translation>
    </message>
    <message>
        <source>Add an element to the multi-selection</source>
        <translation>Добавить элемент к выделенным</translation>
    </message>
    <message>
        <source>Shift+Click</source>
        <translation>Shift+щелчок</translation>
    </message>
    <message>
        <source>Move the selected element</source>
        <translation>Сдвинуть выделенный элемент</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Перетаскивание</translation>
    </message>
    <message>
        <source>Move the multi-selection</source>
        <translation>Сдвинуть выделенные элементы</translation>
    </message>
    <message>
        <source>Shift+Drag</source>
        <translation>Shift+перетаскивание</translation>
    </message>
    <message>
        <source>Select the elements inside a box</source>
        <translation>Выделить элементы внутри рамки</translation>
    </message>
    <message>
        <source>Ctrl+Drag from empty sheet</source>
        <translation>Ctrl+перетаскивание с пустого места листа</translation>
    </message>
    <message>
        <source>Add the elements inside a box</source>
        <translation>Добавить к выделенным элементы внутри рамки</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Drag from empty sheet</source>
        <translation>Ctrl+Shift+перетаскивание с пустого места листа</translation>
    </message>
    <message>
        <source>Place freely while Snap to Grid is on</source>
        <translation>Ставить свободно при включённой привязке к сетке</translation>
    </message>
    <message>
        <source>Hold Alt while dragging</source>
        <translation>Удерживать Alt при перетаскивании</translation>
    </message>
    <message>
        <source>Scroll the sheet</source>
        <translation>Прокрутить лист</translation>
    </message>
    <message>
        <source>Drag on empty sheet; Wheel, Shift+Wheel</source>
        <translation>Перетаскивание по пустому месту листа; колесо, Shift+колесо</translation>
    </message>
    <message>
        <source>Zoom about the pointer</source>
        <translation>Масштаб вокруг указателя</translation>
    </message>
    <message>
        <source>Ctrl+Wheel</source>
        <translation>Ctrl+колесо</translation>
    </message>
    <message>
        <source>Mouse on the sheet</source>
        <translation>Мышь на листе</translation>
    </message>
</context>
<context>
    <name>TextList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>Это папка.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
</context>
<context>
    <name>VectorPicture</name>
    <message>
        <source>There is not enough memory to compress the picture.</source>
        <translation>Недостаточно памяти, чтобы сжать рисунок.</translation>
    </message>
    <message>
        <source>The picture could not be compressed.</source>
        <translation>Рисунок не удалось сжать.</translation>
    </message>
    <message>
        <source>The PDF picture could not be dated.</source>
        <translation>Не удалось проставить дату в рисунке PDF.</translation>
    </message>
</context>
<context>
    <name>grvlk</name>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» не является папкой</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be written for more than one input</source>
        <translation>«%1» пришлось бы записать для нескольких входных файлов</translation>
    </message>
    <message>
        <source>Cannot create a temporary file. %1</source>
        <translation>Не удаётся создать временный файл. %1</translation>
    </message>
    <message>
        <source>Cannot write the picture to the standard output.</source>
        <translation>Не удаётся вывести рисунок в стандартный вывод.</translation>
    </message>
    <message>
        <source>%1: sheet %2 x %3, %4, %5, %6, %7</source>
        <translation>%1: лист %2 x %3, %4, %5, %6, %7</translation>
    </message>
    <message numerus="yes">
        <source>%n rectangle</source>
        <translation>
            <numerusform>%n прямоугольник</numerusform>
            <numerusform>%n прямоугольник</numerusform>
            <numerusform>%n прямоугольник</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rectangles</source>
        <translation>
            <numerusform>%n прямоугольник</numerusform>
            <numerusform>%n прямоугольника</numerusform>
            <numerusform>%n прямоугольников</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n point</source>
        <translation>
            <numerusform>%n точка</numerusform>
            <numerusform>%n точка</numerusform>
            <numerusform>%n точка</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n points</source>
        <translation>
            <numerusform>%n точка</numerusform>
            <numerusform>%n точки</numerusform>
            <numerusform>%n точек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line</source>
        <translation>
            <numerusform>%n линия</numerusform>
            <numerusform>%n линия</numerusform>
            <numerusform>%n линия</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n линия</numerusform>
            <numerusform>%n линии</numerusform>
            <numerusform>%n линий</numerusform>
        </translation>
    </message>
    <message>
        <source>locked</source>
        <translation>заблокирована</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>не заблокирована</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>не указана команда</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;</source>
        <translation>неизвестный формат «%1»</translation>
    </message>
    <message>
        <source>render -o takes at least one input file</source>
        <translation>render -o требует хотя бы один входной файл</translation>
    </message>
    <message>
        <source>render takes an input and an output file</source>
        <translation>render требует входной и выходной файл</translation>
    </message>
    <message>
        <source>render to the standard output needs --format</source>
        <translation>для вывода render в стандартный вывод нужен --format</translation>
    </message>
    <message>
        <source>--format goes with -o or with the standard output</source>
        <translation>--format применяется с -o или со стандартным выводом</translation>
    </message>
    <message>
        <source>check takes at least one file</source>
        <translation>check требует хотя бы один файл</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: the output name must end in %2</source>
        <translation>не удаётся записать «%1»: имя выходного файла должно оканчиваться на %2</translation>
    </message>
    <message>
        <source>the output &quot;%1&quot; is the input; it would be replaced</source>
        <translation>выходной файл «%1» — это входной файл; он был бы заменён</translation>
    </message>
    <message>
        <source>Writes the lines in English whatever the language, for scripts.</source>
        <translation>Печатает строки по-английски на любом языке, для сценариев.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Reads each scheme file and prints a line with its sheet size, element counts and lock state, or the line that is wrong. Then it names, with their line numbers, what the editor reads without complaint but that does not mean what it seems: a second section of a table, which replaces the first; a name used twice; a line whose end is no rectangle or point, which is drawn to the sheet&apos;s corner; and, as warnings, markers in another letter case or with spaces, and lines that belong to no section, which are ignored.</source>
        <translation>Читает каждый файл схемы и печатает строку с размером листа, числом элементов и блокировкой либо строку с ошибкой. Затем с номерами строк называет то, что редактор читает без возражений, но что значит не то, чем кажется: второй раздел таблицы, который заменяет первый; имя, использованное дважды; линию, конец которой не прямоугольник и не точка, — она рисуется в угол листа; а как предупреждения — маркеры в другом регистре или с пробелами и строки вне всех разделов, которые пропускаются.</translation>
    </message>
    <message>
        <source>Exit status: 0 when every file is good, 1 when a file cannot be read or has one of those faults (warnings aside), 2 bad usage.</source>
        <translation>Код возврата: 0, если все файлы в порядке, 1, если файл не читается или в нём есть одна из этих ошибок (предупреждения не в счёт), 2 — неверный вызов.</translation>
    </message>
    <message>
        <source>this %1 section replaces the one on line %2 and its %3</source>
        <translation>этот раздел %1 заменяет раздел из строки %2 и его %3</translation>
    </message>
    <message>
        <source>the name %1 is already used on line %2</source>
        <translation>имя %1 уже использовано в строке %2</translation>
    </message>
    <message>
        <source>the line %1 joins %2, which is no rectangle or point (it is drawn to the sheet&apos;s corner)</source>
        <translation>линия %1 соединяет %2 — это не прямоугольник и не точка (линия рисуется в угол листа)</translation>
    </message>
    <message>
        <source>the line name %1 does not name two elements joined by &quot;-&quot; (it is drawn to the sheet&apos;s corner)</source>
        <translation>имя линии %1 не называет двух элементов через «-» (линия рисуется в угол листа)</translation>
    </message>
    <message>
        <source>warning: %1 is not read as a marker (a marker is exactly [H], [P], [E], [~] or LOCK); the line is ignored</source>
        <translation>предупреждение: %1 не читается как маркер (маркер — это ровно [H], [P], [E], [~] или LOCK); строка пропускается</translation>
    </message>
    <message>
        <source>warning: %1 belongs to no section and is ignored</source>
        <translation>предупреждение: %1 не входит ни в один раздел и пропускается</translation>
    </message>
    <message>
        <source>warning: lines %1 to %2 belong to no section and are ignored</source>
        <translation>предупреждение: строки с %1 по %2 не входят ни в один раздел и пропускаются</translation>
    </message>
    <message>
        <source>Reads scheme files and reports what they hold and what is wrong.</source>
        <translation>Читает файлы схем и сообщает, что в них и что не так.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 указан больше одного раза</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Вызов:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Try &quot;%1&quot; for more.</source>
        <translation>Подробнее: «%1».</translation>
    </message>
    <message>
        <source>Renders and checks Gravelink scheme files without opening a window.</source>
        <translation>Рисует и проверяет файлы схем Gravelink без открытия окна.</translation>
    </message>
    <message>
        <source>&quot;grvlk COMMAND --help&quot; shows what a command does and its options.

Exit status: 0 success, 1 a file could not be read, drawn or written or is faulty (any of them), 2 bad usage.</source>
        <translation>«grvlk КОМАНДА --help» показывает, что делает команда, и её параметры.

Код возврата: 0 — успех, 1 — какой-либо файл не удалось прочитать, нарисовать или записать либо в нём ошибка, 2 — неверный вызов.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Команды:</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Показывает версию.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>лишний аргумент «%1»</translation>
    </message>
    <message>
        <source>Writes DIR/&lt;name&gt;.&lt;format&gt; for every input.</source>
        <translation>Записывает DIR/&lt;имя&gt;.&lt;формат&gt; для каждого входного файла.</translation>
    </message>
    <message>
        <source>The picture format: bmp (the default with -o), png, svg, svgz or pdf.</source>
        <translation>Формат рисунка: bmp (по умолчанию с -o), png, svg, svgz или pdf.</translation>
    </message>
    <message>
        <source>Draws the scheme IN as the editor&apos;s Save as Bitmap does and writes it to OUT, a 24-bit BMP (.bmp) or PNG (.png) picture, or a vector picture that stays sharp at any size: SVG (.svg, one sheet pixel to 1 px; .svgz gzip-compressed) or PDF (.pdf, one sheet pixel to 1 pt), texts kept as texts. The extension may be in any letter case. An existing OUT is replaced in one piece, through a symbolic link to the file it names, keeping its permissions; OUT may not be IN.

With -o, each input is written to DIR, one picture per core at a time; each input that fails is named on its own line. With - as OUT, the picture goes to the standard output.

An SVG or PDF picture is titled with the scheme&apos;s file name. When SOURCE_DATE_EPOCH is set (seconds since 1970), it is a PDF&apos;s creation date, so that a scheme gives the same bytes each time.</source>
        <translation>Рисует схему IN так же, как команда редактора «Сохранить как BMP», и записывает её в OUT: 24-битный рисунок BMP (.bmp) или PNG (.png) либо векторный рисунок, чёткий при любом размере: SVG (.svg, один пиксель листа на 1 px; .svgz сжатый gzip) или PDF (.pdf, один пиксель листа на 1 pt), тексты остаются текстом. Расширение может быть в любом регистре. Существующий OUT заменяется целиком, через символическую ссылку — тот файл, на который она указывает, с сохранением прав доступа; OUT не может быть файлом IN.

С -o каждый входной файл записывается в DIR, по одному рисунку на ядро; каждый файл с ошибкой называется в отдельной строке. С - вместо OUT рисунок выводится в стандартный вывод.

Рисунок SVG или PDF получает заголовок — имя файла схемы. Если задана SOURCE_DATE_EPOCH (секунды с 1970 года), она становится датой создания PDF, так что схема каждый раз даёт те же байты.</translation>
    </message>
    <message>
        <source>Exit status: 0 success, 1 a file could not be read, drawn or written (any of them), 2 bad usage.</source>
        <translation>Код возврата: 0 — успех, 1 — какой-либо файл не удалось прочитать, нарисовать или записать, 2 — неверный вызов.</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH &quot;%1&quot; is not a number of seconds since 1970</source>
        <translation>SOURCE_DATE_EPOCH «%1» — не число секунд с 1970 года</translation>
    </message>
    <message>
        <source>Draws schemes as BMP, PNG, SVG or PDF pictures.</source>
        <translation>Рисует схемы как рисунки BMP, PNG, SVG или PDF.</translation>
    </message>
</context>
</TS>
