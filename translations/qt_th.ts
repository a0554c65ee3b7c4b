<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH" sourcelanguage="en">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>นามแฝง</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
    <message>
        <source>File</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>เลือกทั้งหมด(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>เพิ่มขึ้น(&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>ลดลง(&amp;D)</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>หน้าปก</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>ข้อมูลการเรียกเก็บเงิน:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>ลับ</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>ลับมาก</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>กลางวัน (06:00 ถึง 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>ท้าย:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>พักไว้จนกว่าจะสั่ง</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>งานพิมพ์</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>ควบคุมงานพิมพ์</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>ลำดับความสำคัญ:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>กลางคืน (18:00 ถึง 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>พิมพ์ทันที</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>กำหนดเวลาพิมพ์:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>กะที่สอง (16:00 ถึง 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>ลับที่สุด</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>เวลาที่กำหนด</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>มาตรฐาน</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>หน้า:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>กะที่สาม (00:00 ถึง 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>ลับสุดยอด</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>ไม่ลับ</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>วันหยุดสุดสัปดาห์ (เสาร์ถึงอาทิตย์)</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>นี่คืออะไร?</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ไม่พบโฟลเดอร์นี้
โปรดตรวจชื่อโฟลเดอร์ให้ถูกต้อง</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ไม่พบแฟ้มนี้
โปรดตรวจชื่อแฟ้มให้ถูกต้อง</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>แฟ้ม %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>มีแฟ้ม %1 อยู่แล้ว
ต้องการเขียนทับหรือไม่?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>เลือก(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ลบ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>โฟลเดอร์ใหม่(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>เปิด(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>เปลี่ยนชื่อ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>บันทึก(&amp;S)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; ห้ามเขียน
ต้องการลบหรือไม่?</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>นามแฝง</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>ทุกแฟ้ม (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>ทุกแฟ้ม (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>ต้องการลบ &apos;%1&apos; แน่หรือไม่?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>แสดงแบบรายละเอียด</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>แสดงแบบรายการ</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ลบโฟลเดอร์ไม่ได้</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>แบบรายละเอียด</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>โฟลเดอร์:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
    <message>
        <source>File</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ชื่อแฟ้ม(&amp;N):</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ชนิดแฟ้ม:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>หาโฟลเดอร์</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ขึ้นไปโฟลเดอร์ที่อยู่เหนือขึ้นไป</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>แบบรายการ</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>รายการที่ตั้งและที่คั่น</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>ดูใน:</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>คอมพิวเตอร์ของฉัน</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>โฟลเดอร์เหนือขึ้นไป</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>ที่ที่ไปล่าสุด</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>แสดง </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>แสดงแฟ้มที่ซ่อนไว้(&amp;H)</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>แถบข้าง</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translation>%1 ไบต์</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 ไบต์</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translation>&lt;b&gt;ใช้ชื่อ &quot;%1&quot; ไม่ได้&lt;/b&gt;&lt;p&gt;ลองใช้ชื่ออื่นที่สั้นกว่านี้หรือไม่มีเครื่องหมายวรรคตอน</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;ใช้ชื่อ &quot;%1&quot; ไม่ได้&lt;/b&gt;&lt;p&gt;ลองใช้ชื่ออื่นที่สั้นกว่านี้หรือไม่มีเครื่องหมายวรรคตอน</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>คอมพิวเตอร์</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>วันที่แก้ไข</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>ชื่อแฟ้มใช้ไม่ได้</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>ชนิด</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>คอมพิวเตอร์ของฉัน</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>ยกเลิก(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ปิด(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ตกลง(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>บันทึก(&amp;S)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>ปิดโดยไม่บันทึก</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>ใส่ค่า:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด(&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>About Qt</source>
        <translation>เกี่ยวกับ Qt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ช่วยเหลือ</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>ซ่อนรายละเอียด…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>รายละเอียด…</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Centimeters (cm)</source>
        <translation>เซนติเมตร (ซม.)</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>ซิเซโร (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ดีโดต์ (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบ</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>สูง:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>นิ้ว (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>แนวนอน</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>ขอบกระดาษ</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>มิลลิเมตร (มม.)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>แนวกระดาษ</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>การจัดหน้า</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>ลำดับหน้า:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>ขนาดกระดาษ:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>หน้าต่อแผ่น:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>กระดาษ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>ถาดกระดาษ:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>ไพกา (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>พอยต์ (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>แนวตั้ง</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>แนวนอนกลับหัว</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>แนวตั้งกลับหัว</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>กว้าง:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>ขอบล่าง</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ขอบซ้าย</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>มม.</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>ขอบขวา</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ขอบบน</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>ไม่(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ใช่(&amp;Y)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>เลิก</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>ใช้</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ทิ้ง</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ช่วยเหลือ</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ทั้งหมด(&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ตั้งใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าตั้งต้น</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่ทั้งหมด(&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>มีแฟ้ม %1 อยู่แล้ว
ต้องการเขียนทับหรือไม่?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 เขียนไม่ถูกแบบ ใช้ &apos;,&apos; คั่นหน้าและช่วงหน้า ใช้ &apos;-&apos; บอกช่วงหน้า และช่วงหน้าต้องไม่ซ้อนกัน</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 เป็นโฟลเดอร์
โปรดเลือกชื่อแฟ้มอื่น</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>ตัวเลือก(&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>ตัวเลือก(&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>พิมพ์(&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>ทุกหน้า</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>อัตโนมัติ</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>ล่างขึ้นบน ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>ล่างขึ้นบน ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>การพิมพ์สองหน้าขัดกัน</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>หน้าคู่</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>เขียนแฟ้ม %1 ไม่ได้
โปรดเลือกชื่อแฟ้มอื่น</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>บอกหน้าไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>ซ้ายไปขวา ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>ซ้ายไปขวา บนลงล่าง</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>แฟ้มในเครื่อง</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>หน้าคี่</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>ใช้ &apos;หน้าต่อแผ่น&apos; กับ &apos;ชุดหน้า&apos; พร้อมกันไม่ได้
โปรดปิดตัวเลือกหนึ่ง</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>พิมพ์ลงแฟ้ม…</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>พิมพ์ลงแฟ้ม (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>ขวาไปซ้าย ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>ขวาไปซ้าย บนลงล่าง</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>หน้า &apos;จาก&apos; ต้องไม่มากกว่าหน้า &apos;ถึง&apos;</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>การพิมพ์สองหน้าตั้งไว้ขัดกัน ต้องการแก้หรือไม่?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>บนลงล่าง ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>บนลงล่าง ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>เขียนแฟ้ม PDF</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>ส่งออกเป็น PDF</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>หน้าแรก</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>พอดีหน้า</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>พอดีความกว้าง</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>แนวนอน</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>หน้าสุดท้าย</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>หน้าถัดไป</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>ตั้งค่าหน้ากระดาษ</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>ตั้งค่าหน้ากระดาษ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>แนวตั้ง</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>หน้าก่อน</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>ดูก่อนพิมพ์</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>แสดงหน้าคู่</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>แสดงทุกหน้า</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>แสดงทีละหน้า</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ขยาย</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ย่อ</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>ตัวเลือกขั้นสูงขัดกัน</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>ตัวเลือกงานพิมพ์</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>การตั้งหน้ากระดาษขัดกัน</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>คุณสมบัติเครื่องพิมพ์</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>การตั้งหน้ากระดาษขัดกัน ต้องการแก้หรือไม่?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>ตัวเลือกขั้นสูงบางอย่างขัดกัน ต้องการแก้หรือไม่?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>ขั้นสูง</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบ</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>หน้ากระดาษ</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>ตัวเลือกบางอย่างขัดกัน โปรดแก้</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>เรียงชุด</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>สี</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>โหมดสี</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>จำนวนชุด</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>จำนวนชุด:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>หน้านี้</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>พิมพ์สองหน้า</translation>
    </message>
    <message>
        <source>Duplex Printing</source>
        <translation>พิมพ์สองหน้า</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบ</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ขาวดำ</translation>
    </message>
    <message>
        <source>Long side</source>
        <translation>ด้านยาว</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>เย็บด้านยาว</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>การพิมพ์</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>ชุดหน้า:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>หน้า</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>หน้า</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>พิมพ์ทั้งหมด</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>ช่วงที่พิมพ์</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>กลับลำดับ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>ส่วนที่เลือก</translation>
    </message>
    <message>
        <source>Short side</source>
        <translation>ด้านสั้น</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>เย็บด้านสั้น</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>บอกหน้าหรือช่วงหน้าคั่นด้วยจุลภาค ช่วงหน้าคือเลขสองตัวคั่นด้วยยัติภังค์ เช่น 3,5-7,9 พิมพ์หน้า 3, 5, 6, 7 และ 9</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ถึง</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>ชื่อ(&amp;N):</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบ</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>ที่ตั้ง:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>แฟ้มผลลัพธ์(&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>คุณสมบัติ(&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>ดูก่อน</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>เครื่องพิมพ์</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>ล่างสุด</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>ซ้ายสุด</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>เลื่อนลงหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>เลื่อนซ้ายหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>เลื่อนขวาหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>เลื่อนขึ้นหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>ขวาสุด</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>เลื่อนลง</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>เลื่อนมาที่นี่</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>เลื่อนซ้าย</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>เลื่อนขวา</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>เลื่อนขึ้น</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>บนสุด</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>คัดลอก(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>วาง(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำซ้ำ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>เลิกทำ(&amp;U)</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>คัดลอกที่อยู่ลิงก์(&amp;L)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ตัด(&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
</TS>
